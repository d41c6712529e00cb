// Build step: the desktop's icon themes take PNG, the program carries its icon as ICO.
// Usage: IconToPng <input.ico> <output.png>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: IconToPng <input.ico> <output.png>\n";
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    const QImage icon = reader.read();
    if (icon.isNull()) {
        QTextStream(stderr) << "cannot read " << argv[1] << ": " << reader.errorString() << '\n';
        return 1;
    }
    if (icon.size() != QSize(32, 32)) {
        QTextStream(stderr) << argv[1] << " is not 32x32\n";
        return 1;
    }
    if (!icon.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        QTextStream(stderr) << "cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
