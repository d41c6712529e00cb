// The real 6/49 history through "Zhrebikon --import", opened in the window: the statistics page
// must show what the slow reference statistics make of the same history read by a plain reader.
#include "HistoryCsv.h"
#include "ReferenceStats.h"
#include "WindowTesting.h"
#include "widgets/StringGrid.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class ImportCommandTest : public QObject {
    Q_OBJECT
private slots:
    void theImportedHistoryShowsTheStatisticsOfTheHistory();
    void theCommandLineTakesQtsOwnOptionsAndNamesAMistakeAsTyped();
};

void ImportCommandTest::theImportedHistoryShowsTheStatisticsOfTheHistory() {
    const auto csv = lottery::test::FindHistoryCsv(ZHREBIKON_SOURCE_DIR);
    if (!csv)
        QSKIP("the real draw history is not beside the project");
    const auto draws = lottery::test::ReadHistoryCsv(*csv);
    QVERIFY(draws.has_value());

    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("history.dat"));
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY")); // it needs no display
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZHREBIKON_PROGRAM),
                  {QStringLiteral("--import"), QString::fromStdString(*csv), out});
    QVERIFY(program.waitForFinished(60000));
    const QString report = QString::fromUtf8(program.readAllStandardOutput());
    QCOMPARE(program.exitCode(), 0);
    QVERIFY2(report.contains(QStringLiteral("Тиражей: %1").arg(draws->size())), qPrintable(report));

    MainWindowFixture f;
    f.dialogs.openPaths.push_back(out);
    f.window->mnuOpenClick();
    f.showStatisticsPage();
    lottery::StatsTable expected{};
    lottery::test::ReferenceStatAll(expected, *draws, {6, 49});
    StringGrid& all = f.grid("grdAll");
    for (int n = 1; n <= 49; ++n) {
        const lottery::NumberStats& s = expected[static_cast<std::size_t>(n)];
        QCOMPARE(all.cell(n, 1), QString::number(s.frequency));
        QCOMPARE(all.cell(n, 2), QString::number(s.mostWith));
        QCOMPARE(all.cell(n, 3), QString::number(s.leastWith));
        QCOMPARE(all.cell(n, 4), QString::number(s.drawsSince));
    }
}

// Qt's own options are the application object's, not mistakes; a mistake is named as typed,
// in Russian, and the rest of the message is not the parser's English.
void ImportCommandTest::theCommandLineTakesQtsOwnOptionsAndNamesAMistakeAsTyped() {
    const auto run = [](const QStringList& arguments) {
        QProcess program;
        program.start(QStringLiteral(ZHREBIKON_PROGRAM), arguments);
        program.waitForFinished(30000);
        return std::pair{program.exitCode(), QString::fromUtf8(program.readAllStandardError())};
    };
    for (const QStringList& qt : {QStringList{QStringLiteral("-style"), QStringLiteral("fusion")},
                                  QStringList{QStringLiteral("--platform=offscreen")},
                                  QStringList{QStringLiteral("-reverse")}})
        QCOMPARE(run(qt + QStringList{QStringLiteral("--version")}).first, 0);
    for (const QString& typed :
         {QStringLiteral("--bogus"), QStringLiteral("-x"), QStringLiteral("--shape")}) {
        const auto [code, said] = run({QStringLiteral("--import"), typed});
        QCOMPARE(code, 2);
        QVERIFY2(said.contains(QStringLiteral("«%1»").arg(typed)), qPrintable(said));
        QString rest = said;
        rest.remove(typed).remove(QStringLiteral("--help"));
        QVERIFY2(!rest.contains(QRegularExpression(QStringLiteral("[A-Za-z]{3,}"))),
                 qPrintable(said));
    }
}

QTEST_MAIN(ImportCommandTest)
#include "ImportCommandTest.moc"
