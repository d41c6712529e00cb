#include "DialogPictures.h"

#include "HistoryDatabase.h"
#include "PictureFolder.h"
#include "Pictures.h"
#include "dialogs/FrmAbout.h"
#include "dialogs/FrmEditDraw.h"
#include "dialogs/FrmHelp.h"
#include "dialogs/FrmNew.h"
#include "dialogs/TablePreview.h"
#include "platform/UrlOpener.h"
#include "tables/DrawTableReader.h"
#include "widgets/AppearanceSource.h"

#include <QCoreApplication>

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
