// Renders the contact sheet of the pictures built into the program, or one picture enlarged:
//   zhrebikon_contact_sheet <file.png>
//   zhrebikon_contact_sheet --zoom <town|logo|fon|fon3|tiraz|play|ball|playball> <scale> <file.png>
#include "ContactSheet.h"
#include "Pictures.h"

#include <QGuiApplication>
#include <cstdio>
#include <map>

namespace {

int Zoom(const QString& name, int scale, const QString& path) {
    const art::Pictures& p = art::Pictures::instance();
    const std::map<QString, const QImage*> pictures{
        {QStringLiteral("town"), &p.town()},        {QStringLiteral("logo"), &p.logo()},
        {QStringLiteral("fon"), &p.plasterTile()},  {QStringLiteral("fon3"), &p.patchworkTile()},
        {QStringLiteral("tiraz"), &p.tirazGlyph()}, {QStringLiteral("play"), &p.playGlyph()},
        {QStringLiteral("ball"), &p.ball()},        {QStringLiteral("playball"), &p.playBall()}};
    const auto found = pictures.find(name);
    if (found == pictures.end() || scale < 1) {
        std::fprintf(stderr, "unknown picture or scale\n");
        return 2;
    }
    const QImage& picture = *found->second;
    return picture.scaled(picture.size() * scale).save(path, "PNG") ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QLatin1String("--zoom")) {
        return Zoom(args[2], args[3].toInt(), args[4]);
    }
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: zhrebikon_contact_sheet <file.png> | --zoom <name> <scale> "
                             "<file.png>\n");
        return 2;
    }
    const QImage sheet = artgen::RenderContactSheet();
    if (!sheet.save(args[1], "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    std::printf("wrote %s\n", qPrintable(args[1]));
    return 0;
}
