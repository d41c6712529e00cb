// Saves each dialog with each background pattern as docs/dialog-<window>-<pattern>.png.
#include "FakeAppearance.h"
#include "FontSetup.h"
#include "FrmAbout.h"
#include "FrmHelp.h"
#include "FrmNew.h"
#include "LotteryDocument.h"
#include "Pictures.h"
#include "UrlOpener.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace {

class NoUrls : public UrlOpener {
public:
    void open(const QUrl&) override {}
};

bool Save(QDialog& dialog, const QDir& dir, const QString& name) {
    dialog.show();
    QApplication::processEvents();
    const QString path = dir.filePath(QStringLiteral("dialog-%1.png").arg(name));
    const bool saved = dialog.grab().save(path);
    dialog.hide();
    QTextStream(stdout) << (saved ? "saved " : "FAILED ") << path << '\n';
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
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
    bool ok = true;
    for (const Pattern& pattern : patterns) {
        FakeAppearance appearance;
        appearance.tile = pattern.tile;
        appearance.title = pattern.title;
        const QString suffix = QString::fromLatin1(pattern.name);
        FrmNew frmNew(appearance);
        FrmHelp frmHelp(appearance);
        FrmAbout frmAbout(appearance, urls);
        ok = Save(frmNew, dir, QStringLiteral("new-") + suffix) && ok;
        ok = Save(frmHelp, dir, QStringLiteral("help-") + suffix) && ok;
        ok = Save(frmAbout, dir, QStringLiteral("about-") + suffix) && ok;
    }
    return ok ? 0 : 1;
}
