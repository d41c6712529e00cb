// The real dialogs: the "Confirm" box, the two file dialogs and the colour dialog.
#include "platform/QtStandardDialogs.h"

#include "WindowTesting.h"
#include "platform/ToolkitTranslation.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// As the user does it: the folder, then the name typed into the name field.
void TypeFileName(QFileDialog& dialog, const QString& path) {
    dialog.setDirectory(QFileInfo(path).path());
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (edit != nullptr)
        edit->setText(QFileInfo(path).fileName());
}

} // namespace

class QtStandardDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void theConfirmBoxAsksWithYesAndNoUnderTheCaptionConfirm();
    void confirmAnswers_data();
    void confirmAnswers();
    void theSaveDialogFiltersDatabasesAppendsDatAndAsksBeforeReplacing();
    void theSaveDialogOpensOnTheProposedFileOrOnNone();
    void theOpenDialogPassesANameThatDoesNotExist();
    void cancellingAFileDialogGivesNothing();
    void theColourDialogOpensOnTheGivenColourAndIsKeptForTheRun();
};

void QtStandardDialogsTest::theConfirmBoxAsksWithYesAndNoUnderTheCaptionConfirm() {
    QtStandardDialogs dialogs;
    ShownBox shown;
    WhenModalShows([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        shown = DescribeBox(*box);
        box->escapeButton()->click();
    });
    QCOMPARE(dialogs.askYesNo(nullptr, QStringLiteral("Сохранить изменения?")), ConfirmAnswer::No);
    QCOMPARE(shown.title, QStringLiteral("Confirm"));
    QCOMPARE(shown.text, QStringLiteral("Сохранить изменения?"));
    QCOMPARE(shown.icon, QMessageBox::Question);
    QVERIFY(shown.buttons.contains("&Yes") && shown.buttons.contains("&No") &&
            shown.buttons.size() == 2);
    QCOMPARE(shown.defaultButton, QStringLiteral("&Yes"));
}

void QtStandardDialogsTest::confirmAnswers_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");
    QTest::newRow("Enter is Yes") << "enter" << 6;
    QTest::newRow("Escape is No") << "escape" << 7;
    QTest::newRow("the Yes button") << "yes" << 6;
    QTest::newRow("the No button") << "no" << 7;
    QTest::newRow("the close box") << "close" << 2;
}

void QtStandardDialogsTest::confirmAnswers() {
    QFETCH(QString, how);
    QFETCH(int, answer);
    QtStandardDialogs dialogs;
    WhenModalShows([how](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        auto button = [box](const QString& caption) -> QAbstractButton* {
            for (QAbstractButton* b : box->buttons())
                if (b->text() == caption)
                    return b;
            return nullptr;
        };
        if (how == "enter")
            QTest::keyClick(box, Qt::Key_Return);
        else if (how == "escape")
            QTest::keyClick(box, Qt::Key_Escape);
        else if (how == "yes")
            button("&Yes")->click();
        else if (how == "no")
            button("&No")->click();
        else
            box->close();
    });
    QCOMPARE(int(dialogs.askYesNo(nullptr, QStringLiteral("Сохранить изменения перед выходом?"))),
             answer);
}

void QtStandardDialogsTest::theSaveDialogFiltersDatabasesAppendsDatAndAsksBeforeReplacing() {
    QTemporaryDir dir;
    QtStandardDialogs dialogs;
    QStringList filters;
    QString suffix;
    bool confirmsOverwrite = false;
    QString name;
    QString cancel;
    WhenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog != nullptr);
        name = dialog->objectName();
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        cancel = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text();
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        TypeFileName(*dialog, dir.filePath("draws"));
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto chosen = dialogs.chooseFileToSave(nullptr, {});
    QCOMPARE(name, QStringLiteral("dlgSave"));
    QCOMPARE(filters,
             (QStringList{"Файлы баз данных лотерей (*.dat)", "Таблицы тиражей (*.csv *.txt)"}));
    QCOMPARE(suffix, QStringLiteral("dat"));
    QVERIFY(confirmsOverwrite);
    QVERIFY(chosen.has_value() && !chosen->tableCopy);
    QCOMPARE(chosen->path, dir.filePath("draws.dat"));
    // The table filter chosen (Down on the filter box): a copy named .csv, and the filter is
    // chosen again next time, except by the save question, which offers a database only.
    const auto saveWith = [&](bool chooseTable, const session::SaveProposal& proposal) {
        WhenModalShows([&, chooseTable](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            filters = dialog->nameFilters();
            if (chooseTable)
                QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
            TypeFileName(*dialog, dir.filePath("draws"));
            static_cast<QDialog*>(dialog)->accept();
        });
        return dialogs.chooseFileToSave(nullptr, proposal);
    };
    const auto copy = saveWith(true, {});
    QVERIFY(copy && copy->tableCopy && copy->path == dir.filePath("draws.csv"));
    const auto kept = saveWith(false, {dir.path(), QString(), true});
    QCOMPARE(filters, QStringList{QtStandardDialogs::fileFilter()});
    QVERIFY(kept && !kept->tableCopy && kept->path == dir.filePath("draws.dat"));
    QVERIFY(saveWith(false, {})->tableCopy);
    // The program's application object speaks Russian in the toolkit's dialogs too, and
    // starts without the translation as well.
    QVERIFY2(cancel == QStringLiteral("Отмена"), "is qt6-translations-l10n installed?");
    QVERIFY(!InstallToolkitTranslation(*qApp, QStringLiteral("/nonexistent")));
}

void QtStandardDialogsTest::theSaveDialogOpensOnTheProposedFileOrOnNone() {
    QTemporaryDir dir;
    QtStandardDialogs dialogs;
    QStringList shownOn;
    QString typed;
    const auto showAndCancel = [&](const session::SaveProposal& proposal) {
        WhenModalShows([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            shownOn = dialog->selectedFiles();
            typed = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            TypeFileName(*dialog, dir.filePath("typed.dat")); // then cancelled
            dialog->reject();
        });
        QVERIFY(!dialogs.chooseFileToSave(nullptr, proposal).has_value());
    };
    showAndCancel({dir.path(), QStringLiteral("first.dat")});
    QCOMPARE(shownOn, QStringList{dir.filePath("first.dat")});
    // No name proposed: none, not the one typed last time.
    showAndCancel({dir.path(), QString()});
    QCOMPARE(typed, QString());
}

void QtStandardDialogsTest::theOpenDialogPassesANameThatDoesNotExist() {
    QTemporaryDir dir;
    QtStandardDialogs dialogs;
    QStringList filters;
    WhenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->objectName(), QStringLiteral("dlgOpen"));
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
        QVERIFY(dialog->defaultSuffix().isEmpty());
        filters = dialog->nameFilters();
        TypeFileName(*dialog, dir.filePath("missing.dat"));
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto chosen = dialogs.chooseFileToOpen(nullptr);
    QCOMPARE(filters,
             (QStringList{"Файлы баз данных лотерей (*.dat)", "Таблицы тиражей (*.csv *.txt)"}));
    QVERIFY(chosen.has_value());
    QCOMPARE(*chosen, dir.filePath("missing.dat"));
}

void QtStandardDialogsTest::cancellingAFileDialogGivesNothing() {
    QtStandardDialogs dialogs;
    WhenModalShows([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    QVERIFY(!dialogs.chooseFileToOpen(nullptr).has_value());
}

void QtStandardDialogsTest::theColourDialogOpensOnTheGivenColourAndIsKeptForTheRun() {
    QtStandardDialogs dialogs;
    QColorDialog* first = nullptr;
    QColor shownWith;
    WhenModalShows([&](QWidget* modal) {
        first = qobject_cast<QColorDialog*>(modal);
        QVERIFY(first != nullptr);
        QCOMPARE(first->objectName(), QStringLiteral("dlgColor"));
        shownWith = first->currentColor();
        first->setCurrentColor(QColor(10, 20, 30));
        first->accept();
    });
    const auto chosen = dialogs.chooseColour(nullptr, QColor(1, 2, 3));
    QCOMPARE(shownWith, QColor(1, 2, 3));
    QVERIFY(chosen.has_value());
    QCOMPARE(*chosen, QColor(10, 20, 30));
    QColorDialog* second = nullptr;
    WhenModalShows([&](QWidget* modal) {
        second = qobject_cast<QColorDialog*>(modal);
        second->reject();
    });
    QVERIFY(!dialogs.chooseColour(nullptr, Qt::black).has_value());
    QCOMPARE(second, first);
}

ZHREBIKON_UI_TEST_MAIN(QtStandardDialogsTest)
#include "QtStandardDialogsTest.moc"
