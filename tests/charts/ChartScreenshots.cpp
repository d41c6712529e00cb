// Saves the analysis window with each chart, on the real history, as docs/analysis-*.png and
// the ticket check as docs/ticket-check.png; then times the window on a million draws.
#include "FakeAppearance.h"
#include "FontSetup.h"
#include "FrmAnalysis.h"
#include "FrmTicketCheck.h"
#include "HistoryCsv.h"
#include "LotteryDocument.h"
#include "NumberBarChart.h"
#include "PairHeatMap.h"
#include "Pictures.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>
#include <random>

namespace {

bool Save(QWidget& window, const QDir& dir, const QString& name) {
    QApplication::processEvents();
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    const bool saved = window.grab().save(path);
    QTextStream(stdout) << (saved ? "saved " : "FAILED ") << path << '\n';
    return saved;
}

lottery::DrawFileContent SixOfFortyNine(std::vector<lottery::DrawRecord> draws) {
    lottery::DrawFileContent content;
    content.shape = {6, 49};
    content.draws = std::move(draws);
    return content;
}

std::vector<lottery::DrawRecord> MillionDraws() {
    std::mt19937 rng(2026);
    std::vector<lottery::DrawRecord> draws(1'000'000);
    for (lottery::DrawRecord& draw : draws) {
        std::array<std::uint8_t, 49> numbers;
        for (int n = 0; n < 49; ++n)
            numbers[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(n + 1);
        std::shuffle(numbers.begin(), numbers.end(), rng);
        std::copy_n(numbers.begin(), 6, draw.begin());
    }
    return draws;
}

// Opening with every chart drawn, then each window of last draws redrawn.
void TimeMillionDraws(const AppearanceSource& appearance) {
    lottery::LotteryDocument document;
    document.ApplyOpened(SixOfFortyNine(MillionDraws()), "million.dat");
    QTextStream out(stdout);
    FrmAnalysis window(document, appearance);
    QElapsedTimer clock;
    clock.start();
    window.show();
    QApplication::processEvents();
    for (FrmAnalysis::Chart chart :
         {FrmAnalysis::Frequency, FrmAnalysis::Overdue, FrmAnalysis::Pairs}) {
        window.showChart(chart);
        window.currentChart()->repaint();
    }
    window.showChart(FrmAnalysis::Frequency);
    out << "1,000,000 draws: opened with every chart drawn in " << clock.elapsed() << " ms\n";
    // Each shorter window in turn, then back to all of them.
    for (int step = 1; step <= window.windowChoice()->count(); ++step) {
        const int i = step % window.windowChoice()->count();
        clock.restart();
        window.windowChoice()->setCurrentIndex(i);
        for (QWidget* chart : {static_cast<QWidget*>(window.frequencyChart()),
                               static_cast<QWidget*>(window.overdueChart()),
                               static_cast<QWidget*>(window.pairChart())})
            chart->repaint();
        out << "  window " << window.windowChoice()->currentText()
            << ": redrawn (all three charts) in " << clock.elapsed() << " ms\n";
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    FakeAppearance appearance;
    appearance.tile = art::Pictures::instance().plasterTile();

    const auto csv = lottery::test::FindHistoryCsv(ZHREBIKON_SOURCE_DIR);
    const auto history = csv ? lottery::test::ReadHistoryCsv(*csv) : std::nullopt;
    if (!history) {
        QTextStream(stderr) << "the 6/49 history was not found\n";
        return 1;
    }
    lottery::LotteryDocument document;
    document.ApplyOpened(SixOfFortyNine(*history), *csv);
    bool ok = true;
    {
        FrmAnalysis window(document, appearance);
        window.show();
        window.showChart(FrmAnalysis::Frequency);
        ok = Save(window, dir, QStringLiteral("analysis-frequency")) && ok;
        window.setWindow(100);
        ok = Save(window, dir, QStringLiteral("analysis-frequency-last100")) && ok;
        window.setWindow(0);
        window.showChart(FrmAnalysis::Overdue);
        ok = Save(window, dir, QStringLiteral("analysis-overdue")) && ok;
        window.setSelectedNumber(7);
        window.showChart(FrmAnalysis::Pairs);
        ok = Save(window, dir, QStringLiteral("analysis-pairs")) && ok;
    }
    // The ticket of the first draw of the history, checked against all of it.
    for (int p = 0; p < 6; ++p)
        document.MarkNumber(history->front()[static_cast<std::size_t>(p)]);
    FrmTicketCheck ticket(document, appearance);
    ticket.show();
    ok = Save(ticket, dir, QStringLiteral("ticket-check")) && ok;
    ticket.hide();

    TimeMillionDraws(appearance);
    return ok ? 0 : 1;
}
