#include "ChartPictures.h"

#include "PictureFolder.h"
#include "Pictures.h"
#include "charts/RandomnessTab.h"
#include "charts/FrmAnalysis.h"
#include "charts/FrmTicketCheck.h"
#include "lottery/LotteryDocument.h"
#include "storage/DocumentFile.h"
#include "widgets/AppearanceSource.h"

#include <QCoreApplication>
#include <QSignalSpy>

namespace {

class PlasterAppearance : public AppearanceSource {
public:
    QImage currentTile() const override { return art::Pictures::instance().plasterTile(); }
    QColor titleColour() const override { return Qt::black; }
};

} // namespace

void DrawChartPictures(PictureFolder& folder, const QString& database) {
    if (database.isEmpty())
        return;
    lottery::LotteryDocument document;
    OpenDocument(document, database.toStdString());
    const PlasterAppearance appearance;

    FrmAnalysis analysis(document, appearance);
    analysis.show();
    folder.saveWindow(analysis, QStringLiteral("analysis-frequency"));
    analysis.setWindow(100);
    folder.saveWindow(analysis, QStringLiteral("analysis-frequency-last100"));
    analysis.setWindow(0);
    analysis.showChart(FrmAnalysis::Overdue);
    folder.saveWindow(analysis, QStringLiteral("analysis-overdue"));
    analysis.setSelectedNumber(7); // as the statistics page's track bar would have it
    analysis.showChart(FrmAnalysis::Pairs);
    folder.saveWindow(analysis, QStringLiteral("analysis-pairs"));
    QSignalSpy audited(analysis.randomnessTab(), &RandomnessTab::auditShown);
    analysis.showChart(FrmAnalysis::Randomness);
    audited.wait(30000);
    folder.saveWindow(analysis, QStringLiteral("analysis-randomness"));
    analysis.hide();

    // The ticket of the first draw, checked against all of them.
    const lottery::DrawRecord first = document.draws().front();
    for (int p = 0; p < document.shape().K; ++p)
        document.MarkNumber(first[static_cast<std::size_t>(p)]);
    FrmTicketCheck ticket(document, appearance);
    ticket.takeTicketFromCard(); // as opening it from the card does
    ticket.show();
    folder.saveWindow(ticket, QStringLiteral("ticket-check"));
}
