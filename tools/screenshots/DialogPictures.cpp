#include "DialogPictures.h"

#include "HistoryDatabase.h"
#include "PictureFolder.h"
#include "Pictures.h"
#include "dialogs/FrmAbout.h"
#include "dialogs/FrmEditDraw.h"
#include "dialogs/FrmHelp.h"
#include "dialogs/FrmNew.h"
#include "dialogs/TablePreview.h"
#include "dialogs/TableUpdateQuestion.h"
#include "platform/UrlOpener.h"
#include "tables/DrawTableReader.h"
#include "widgets/AppearanceSource.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <algorithm>
#include <numeric>
#include <random>

namespace {

// What the main window hands the dialogs, fixed for one picture.
class FixedAppearance : public AppearanceSource {
public:
    FixedAppearance(QImage tile, QColor title) : tile_(std::move(tile)), title_(title) {}
    QImage currentTile() const override { return tile_; }
    QColor titleColour() const override { return title_; }

private:
    QImage tile_;
    QColor title_;
};

class NoUrls : public UrlOpener {
public:
    void open(const QUrl&) override {}
};

void Save(PictureFolder& folder, QDialog& dialog, const QString& name) {
    dialog.show();
    QCoreApplication::processEvents();
    folder.save(dialog.grab().toImage(), QStringLiteral("dialog-%1.png").arg(name));
    dialog.hide();
}

} // namespace

void DrawDialogPictures(PictureFolder& folder) {
    const art::Pictures& pictures = art::Pictures::instance();
    struct Pattern {
        const char* name;
        QImage tile;
        QColor title;
    };
    // The second pattern is shown with a changed title colour, as after "Цвет заголовков".
    const Pattern patterns[] = {{"plaster", pictures.plasterTile(), Qt::black},
                                {"patchwork", pictures.patchworkTile(), QColor(0x80, 0, 0)}};
    NoUrls urls;
    for (const Pattern& pattern : patterns) {
        const FixedAppearance appearance(pattern.tile, pattern.title);
        const QString suffix = QString::fromLatin1(pattern.name);
        FrmNew frmNew(appearance);
        FrmHelp frmHelp(appearance);
        FrmAbout frmAbout(appearance, urls);
        Save(folder, frmNew, QStringLiteral("new-") + suffix);
        Save(folder, frmHelp, QStringLiteral("help-") + suffix);
        Save(folder, frmAbout, QStringLiteral("about-") + suffix);
        FrmEditDraw frmEditDraw({6, 49}, {3, 17, 22, 30, 41, 45, 0}, appearance);
        Save(folder, frmEditDraw, QStringLiteral("edit-draw-") + suffix);
    }
}

void DrawTablePreviewPicture(PictureFolder& folder, const QString& csvPath) {
    const QByteArray bytes = ReadHistoryTable(csvPath);
    TablePreview preview(bytes, lottery::ReadDrawTable(std::string_view(
                                    bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    preview.show();
    QCoreApplication::processEvents();
    folder.save(preview.grab().toImage(), QStringLiteral("import-preview.png"));
}

namespace {

// "5 из 36" until its 400th draw, "5 из 40" since, newest first: date;numbers;bonus of its
// own drum, under a header that names only the first columns.
QByteArray LotteryThatGrew() {
    std::mt19937 random(1982);
    constexpr int kDraws = 700, kGrewAt = 400;
    QStringList lines;
    for (int d = 0; d < kDraws; ++d) {
        std::vector<int> pool(d < kGrewAt ? 36 : 40);
        std::iota(pool.begin(), pool.end(), 1);
        std::shuffle(pool.begin(), pool.end(), random);
        if (d == kGrewAt) // the first draw of the new rules reaches their top
            std::iter_swap(pool.begin(), std::find(pool.begin(), pool.end(), 40));
        std::sort(pool.begin(), pool.begin() + 5);
        QStringList fields{QDate(2012, 1, 7).addDays(7 * d).toString(QStringLiteral("dd.MM.yy"))};
        for (int p = 0; p < 5; ++p)
            fields << QString::number(pool[static_cast<std::size_t>(p)]);
        fields << QString::number(1 + static_cast<int>(random() % 4));
        lines.prepend(fields.join(QLatin1Char(';')));
    }
    lines.prepend(QStringLiteral("Datum;Gewinnzahlen"));
    return lines.join(QLatin1Char('\n')).toUtf8() + '\n';
}

} // namespace

void DrawTableUpdatePictures(PictureFolder& folder) {
    const QByteArray bytes = LotteryThatGrew();
    TablePreview preview(bytes, lottery::ReadDrawTable(std::string_view(
                                    bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    preview.setWindowTitle(QStringLiteral("Импорт таблицы тиражей — lotto-5-36.csv"));
    // Newest first: the draws of the present rules are the lines above the change.
    preview.chooseEra(TablePreview::Era::BeforeChange);
    preview.show();
    QCoreApplication::processEvents();
    folder.save(preview.grab().toImage(), QStringLiteral("table-preview-era.png"));

    TableUpdateQuestion question(12, 3);
    question.show();
    QCoreApplication::processEvents();
    folder.save(question.grab().toImage(), QStringLiteral("update-question.png"));
}
