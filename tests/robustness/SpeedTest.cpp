// How long a million-draw history takes: opening it until the statistics page is painted, and
// adding one more draw. The figures are printed; the limits checked here are looser than the
// targets (0.3 s and 50 ms) so that a busy test machine does not fail them, but they still
// catch anything that grows with the history, such as filling the list with strings.
#include "WindowTesting.h"
#include "lottery/NumberStats.h"
#include "statistics/StatisticsPage.h"
#include "storage/DocumentFile.h"
#include "storage/DrawFile.h"
#include "widgets/StringGrid.h"

#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

// Under the sanitizers every memory access is checked, so the figures say nothing about the
// program's speed; the test still runs the million-draw paths for the checks they make.
#ifdef ZHREBIKON_SANITIZED
constexpr bool kTimingsCount = false;
#else
constexpr bool kTimingsCount = true;
#endif

namespace {

constexpr int kDraws = 1'000'000;

void WriteMillionDraws(const QString& path) {
    QByteArray bytes;
    bytes.reserve((kDraws + 1) * 7);
    std::uint32_t seed = 12345;
    for (int d = 0; d < kDraws; ++d) {
        std::uint64_t used = 0;
        int written = 0;
        while (written < 6) {
            seed = seed * 134775813u + 1u;
            const int n = static_cast<int>((static_cast<std::uint64_t>(seed) * 49u) >> 32) + 1;
            if ((used >> n) & 1u)
                continue;
            used |= std::uint64_t{1} << n;
            bytes.append(static_cast<char>(n));
            ++written;
        }
        bytes.append('\0');
    }
    bytes.append(QByteArray("\x06\x31\0\0\0\0\0", 7));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class SpeedTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void openingAMillionDrawsAndPaintingThePageIsQuick();
    void addingADrawToAMillionIsQuick();
    // Not a check: the figures of the steps, for finding what to speed up.
    void whereTheTimeGoes();

private:
    QTemporaryDir dir_;
    QString path_;
};

void SpeedTest::initTestCase() {
    path_ = dir_.filePath("million.dat");
    WriteMillionDraws(path_);
}

void SpeedTest::openingAMillionDrawsAndPaintingThePageIsQuick() {
    MainWindowFixture f;
    f.dialogs.openPaths = {path_};
    QElapsedTimer timer;
    timer.start();
    f.window->mnuOpenClick();
    f.window->repaint();
    QCoreApplication::processEvents();
    const qint64 elapsed = timer.elapsed();
    qInfo("open 1,000,000 draws and paint the statistics page: %lld ms", elapsed);
    QCOMPARE(f.document().drawCount(), kDraws);
    QCOMPARE(f.control<QAbstractItemView>("lbxAll")->model()->rowCount(), kDraws);
    QVERIFY(f.grid("grdChashe").cell(0, 0) != QStringLiteral("*"));

    timer.restart();
    auto* list = f.control<QAbstractItemView>("lbxAll");
    list->scrollToBottom();
    list->repaint();
    qInfo("scroll the list to its last line and paint it: %lld ms", timer.elapsed());
    if (kTimingsCount)
        QVERIFY2(elapsed < 1000, "opening took over a second");
}

void SpeedTest::addingADrawToAMillionIsQuick() {
    MainWindowFixture f;
    f.dialogs.openPaths = {path_};
    f.window->mnuOpenClick();
    PagesOf(*f.window).setCurrentIndex(1);
    for (int n : {1, 2, 3, 4, 5, 6})
        f.document().MarkNumber(n);
    auto* add = f.control<QPushButton>("btnNewTiraz");
    QVERIFY(add != nullptr);
    add->setEnabled(true); // as the sixth marked number does
    QElapsedTimer timer;
    timer.start();
    add->click();
    f.window->repaint();
    QCoreApplication::processEvents();
    const qint64 elapsed = timer.elapsed();
    qInfo("add one draw to 1,000,000 (record mode, statistics recomputed): %lld ms", elapsed);
    QCOMPARE(f.document().drawCount(), kDraws + 1);
    QCOMPARE(f.control<QAbstractItemView>("lbxAll")->model()->rowCount(), kDraws + 1);
    if (kTimingsCount)
        QVERIFY2(elapsed < 250, "adding a draw took over 250 ms");
}

void SpeedTest::whereTheTimeGoes() {
    QElapsedTimer timer;
    timer.start();
    lottery::DrawFileContent content = lottery::ReadDrawFile(path_.toStdString());
    qInfo("read and check the file: %lld ms", timer.restart());
    lottery::StatsTable table{};
    lottery::StatAll(table, content.draws, content.shape);
    qInfo("recompute the statistics: %lld ms", timer.restart());
    MainWindowFixture f;
    timer.restart();
    OpenDocument(f.document(), path_.toStdString());
    qInfo("open the file in the window (reading and statistics included): %lld ms",
          timer.restart());
    StatisticsOf(*f.window).TabSheet1Show();
    qInfo("refresh the statistics page: %lld ms", timer.restart());
    f.window->repaint();
    qInfo("paint the window: %lld ms", timer.restart());
    f.window->repaint();
    qInfo("paint the window again: %lld ms", timer.restart());
    QCOMPARE(f.document().drawCount(), kDraws);
    for (int n : {1, 2, 3, 4, 5, 6})
        f.document().MarkNumber(n);
    timer.restart();
    f.document().RecordCard();
    qInfo("record one draw in the document and the list (statistics included): %lld ms",
          timer.restart());
    f.window->repaint();
    qInfo("paint the window: %lld ms", timer.restart());
    for (int n : {7, 8, 9, 10, 11, 12})
        f.document().MarkNumber(n);
    f.document().RecordCard();
    qInfo("record a second draw: %lld ms", timer.restart());
}

ZHREBIKON_UI_TEST_MAIN(SpeedTest)
#include "SpeedTest.moc"
