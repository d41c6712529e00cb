#include "Pictures.h"

#include "JpegDecoder.h"

#include <QFile>
#include <QString>
#include <QtGlobal>
#include <stdexcept>

namespace art {

namespace {

constexpr int kDigitCell = 16;
constexpr int kDigitCount = 20;

QString ResourcePath(const char* name) {
    return QStringLiteral(":/pictures/") + QLatin1String(name);
}

// A missing or unreadable picture is a fault of the build, not of the user: say which one.
[[noreturn]] void Missing(const char* name) {
    throw std::runtime_error(std::string("picture missing from the program: ") + name);
}

QImage Load(const char* name) {
    QImage image(ResourcePath(name));
    if (image.isNull()) {
        Missing(name);
    }
    return image;
}

// True colour pictures are kept as RGB32 whatever their file stored, so copies paint alike.
QImage LoadTrueColour(const char* name) {
    return Load(name).convertToFormat(QImage::Format_RGB32);
}

QImage LoadJpeg(const char* name) {
    QFile file(ResourcePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        Missing(name);
    }
    return DecodeJpeg(file.readAll());
}

} // namespace

const Pictures& Pictures::instance() {
    static const Pictures pictures;
    return pictures;
}

Pictures::Pictures()
    : ball_(LoadTrueColour("ball.bmp")), ballGolden_(LoadTrueColour("ball2.bmp")),
      playBall_(LoadTrueColour("playball.bmp")),
      playBallBingo_(LoadTrueColour("playballbingo.bmp")), plasterTile_(LoadTrueColour("fon.bmp")),
      patchworkTile_(LoadTrueColour("fon3.bmp")), town_(LoadJpeg("town.jpg")),
      logo_(LoadJpeg("logo.jpg")), tirazGlyph_(Load("tiraz.bmp")), playGlyph_(Load("play.bmp")) {
    const QImage strip = Load("digits.png").convertToFormat(QImage::Format_ARGB32);
    if (strip.width() != kDigitCell * kDigitCount || strip.height() != kDigitCell) {
        Missing("digits.png (wrong size)");
    }
    for (int i = 0; i < kDigitCount; ++i) {
        digits_[i] = strip.copy(i * kDigitCell, 0, kDigitCell, kDigitCell);
    }
    // The icon is read by Qt's icon-format plugin; without it the program still runs, only
    // without its icon, so that is worth a warning but not a refusal to start.
    if (QImage(ResourcePath("program.ico")).isNull()) {
        qWarning("program icon cannot be read; is the image-format plugin missing?");
    } else {
        programIcon_ = QIcon(ResourcePath("program.ico"));
    }
}

const QImage& Pictures::digit(int index) const {
    if (index < 0 || index >= kDigitCount) {
        throw std::out_of_range("Pictures::digit: index out of 0..19");
    }
    return digits_[index];
}

} // namespace art
