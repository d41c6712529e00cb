// Errors raised by handlers: caught by the application object and shown in one box.
#include "WindowTesting.h"
#include "platform/ErrorReport.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <stdexcept>

namespace {

// An object whose event handler fails.
class FailingObject : public QObject {
public:
    int handled = 0;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) {
            ++handled;
            throw std::runtime_error("File access denied");
        }
        return QObject::event(e);
    }
};

} // namespace

class ErrorHandlingTest : public QObject {
    Q_OBJECT
private slots:
    void theMessageGetsAFullStopWhenItEndsInALetterOrDigit_data();
    void theMessageGetsAFullStopWhenItEndsInALetterOrDigit();
    void theCaptionIsTheExecutableNameUpToItsFirstDotInTitleCase_data();
    void theCaptionIsTheExecutableNameUpToItsFirstDotInTitleCase();
    void anErrorInAnEventHandlerIsShownOnceAndDoesNotReachTheLoop();
    void anErrorInAMenuCommandEndsItAndIsShown();
    void theRealBoxHasTheStopIconOneOkButtonTheTextAndTheCaption();
};

void ErrorHandlingTest::theMessageGetsAFullStopWhenItEndsInALetterOrDigit_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "File not found"
                            << "File not found.";
    QTest::newRow("digit") << "I/O error 131"
                           << "I/O error 131.";
    QTest::newRow("cyrillic letter") << "Ошибка"
                                     << "Ошибка.";
    QTest::newRow("full stop") << "Done."
                               << "Done.";
    QTest::newRow("exclamation mark sorts before") << "Stop!"
                                                   << "Stop!";
    QTest::newRow("blank sorts before") << "Trailing "
                                        << "Trailing ";
    QTest::newRow("colon sorts after") << "Reason:"
                                       << "Reason:.";
    QTest::newRow("empty") << ""
                           << "";
}

void ErrorHandlingTest::theMessageGetsAFullStopWhenItEndsInALetterOrDigit() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(ErrorText(message), shown);
}

void ErrorHandlingTest::theCaptionIsTheExecutableNameUpToItsFirstDotInTitleCase_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("caption");
    QTest::newRow("program") << "Zhrebikon"
                             << "Zhrebikon";
    QTest::newRow("upper case with extension") << "ZHREBIKON.EXE"
                                               << "Zhrebikon";
    QTest::newRow("two dots") << "zhrebikon.old.exe"
                              << "zhrebikon";
    QTest::newRow("mixed") << "MyLotto"
                           << "Mylotto";
}

void ErrorHandlingTest::theCaptionIsTheExecutableNameUpToItsFirstDotInTitleCase() {
    QFETCH(QString, file);
    QFETCH(QString, caption);
    QCOMPARE(ApplicationTitle(file), caption);
}

void ErrorHandlingTest::anErrorInAnEventHandlerIsShownOnceAndDoesNotReachTheLoop() {
    CollectedErrors errors;
    FailingObject failing;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&failing, &event);
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    QCOMPARE(failing.handled, 2);
    QCOMPARE(errors.texts, QStringList({"File access denied.", "File access denied."}));
    QCOMPARE(errors.captions.front(), QStringLiteral("Errorhandlingtest"));
}

void ErrorHandlingTest::anErrorInAMenuCommandEndsItAndIsShown() {
    QTemporaryDir dir;
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.dialogs.savePaths = {dir.filePath("absent/draws.dat")};
    CollectedErrors errors;
    TriggerAsUser(f.control<QAction>("mnuSave")); // unnamed: Save As, which fails
    QCOMPARE(errors.texts, QStringList{"File not found."});
    QVERIFY(f.control<QAction>("mnuSave")->isEnabled());
    // The program goes on: the next command works.
    f.dialogs.savePaths = {dir.filePath("draws.dat")};
    TriggerAsUser(f.control<QAction>("mnuSave"));
    QCOMPARE(errors.texts.size(), 1);
    QVERIFY(!f.control<QAction>("mnuSave")->isEnabled());
}

void ErrorHandlingTest::theRealBoxHasTheStopIconOneOkButtonTheTextAndTheCaption() {
    ShownBox shown;
    WhenModalShows([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        shown = DescribeBox(*box);
        box->button(QMessageBox::Ok)->click();
    });
    ReportError(QStringLiteral("Disk full"));
    QCOMPARE(shown.title, QStringLiteral("Errorhandlingtest"));
    QCOMPARE(shown.text, QStringLiteral("Disk full."));
    QCOMPARE(shown.icon, QMessageBox::Critical);
    QCOMPARE(shown.buttons, QStringList{"OK"});
}

ZHREBIKON_UI_TEST_MAIN(ErrorHandlingTest)
#include "ErrorHandlingTest.moc"
