// Draws the program's pictures into a folder, and the desktop icons into a second one:
//   zhrebikon_artgen <pictures-folder> [<icons-folder>]
// The icons are zhrebikon-SIZE.png, one for each size of the hicolor theme, each drawn at
// its size.
#include "ArtKit.h"
#include "BallArt.h"
#include "ButtonGlyphArt.h"
#include "DesktopIconArt.h"
#include "DigitArt.h"
#include "IcoWriter.h"
#include "IconArt.h"
#include "JpegWriter.h"
#include "LogoArt.h"
#include "TileArt.h"
#include "TownArt.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

namespace {

bool Save(const QImage& image, const QDir& dir, const char* name, const char* format) {
    const QString path = dir.filePath(QLatin1String(name));
    if (image.isNull() || !image.save(path, format)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

int WritePictures(const QDir& dir) {
    using namespace artgen;
    const QRgb black = qRgb(0, 0, 0);
    const QRgb silver = qRgb(192, 192, 192);
    bool ok = true;
    ok &= Save(FlattenOnKey(DrawBall(26, 12.2, WhiteBall()), black, kSeenOn, 90), dir, "ball.bmp",
               "BMP");
    ok &= Save(FlattenOnKey(DrawBall(26, 12.2, GoldenBall()), black, kSeenOn, 90), dir, "ball2.bmp",
               "BMP");
    ok &= Save(FlattenOnKey(DrawBall(52, 25.0, WhiteBall()), silver, silver), dir, "playball.bmp",
               "BMP");
    ok &= Save(FlattenOnKey(DrawBall(52, 25.0, GoldenBall()), silver, silver), dir,
               "playballbingo.bmp", "BMP");
    ok &= Save(DrawPlasterTile(), dir, "fon.bmp", "BMP");
    ok &= Save(DrawPatchworkTile(), dir, "fon3.bmp", "BMP");
    ok &= Save(DrawTirazGlyph(), dir, "tiraz.bmp", "BMP");
    ok &= Save(DrawPlayGlyph(), dir, "play.bmp", "BMP");
    ok &= Save(DrawDigitStrip(), dir, "digits.png", "PNG");
    for (const auto& [picture, name] :
         {std::pair{DrawTown(), "town.jpg"}, std::pair{DrawLogo(), "logo.jpg"}}) {
        const QString path = dir.filePath(QLatin1String(name));
        if (WriteJpeg(picture, path, 92)) {
            std::printf("wrote %s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    QFile icon(dir.filePath(QStringLiteral("program.ico")));
    const QByteArray ico = WriteIco4(DrawProgramIcon());
    if (icon.open(QIODevice::WriteOnly) && icon.write(ico) == ico.size()) {
        std::printf("wrote %s\n", qPrintable(icon.fileName()));
    } else {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(icon.fileName()));
        ok = false;
    }
    return ok ? 0 : 1;
}

int WriteDesktopIcons(const QDir& dir) {
    bool ok = true;
    for (const int size : artgen::kDesktopIconSizes) {
        const QByteArray name = QStringLiteral("zhrebikon-%1.png").arg(size).toLatin1();
        ok &= Save(artgen::DrawDesktopIcon(size), dir, name.constData(), "PNG");
    }
    return ok ? 0 : 1;
}

bool MakeFolder(const QString& path) {
    if (QDir(path).exists() || QDir().mkpath(path))
        return true;
    std::fprintf(stderr, "cannot make %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 2 || args.size() == 3) {
        for (int i = 1; i < args.size(); ++i) {
            if (!MakeFolder(args[i]))
                return 1;
        }
        int result = WritePictures(QDir(args[1]));
        if (args.size() == 3)
            result |= WriteDesktopIcons(QDir(args[2]));
        return result;
    }
    std::fprintf(stderr, "usage: zhrebikon_artgen <pictures-folder> [<icons-folder>]\n");
    return 2;
}
