#include "IcoWriter.h"

#include <QDataStream>
#include <QIODevice>

namespace artgen {

QByteArray WriteIco4(const Icon16& icon) {
    const int w = icon.colours.width();
    const int h = icon.colours.height();
    const int xorStride = ((w * 4 + 31) / 32) * 4;
    const int andStride = ((w + 31) / 32) * 4;
    const quint32 imageBytes = static_cast<quint32>(40 + 16 * 4 + xorStride * h + andStride * h);

    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint16(0) << quint16(1) << quint16(1);
    s << quint8(w) << quint8(h) << quint8(16) << quint8(0) << quint16(1) << quint16(4) << imageBytes
      << quint32(22);
    // The bitmap header counts the height twice: colour rows and mask rows.
    s << quint32(40) << qint32(w) << qint32(h * 2) << quint16(1) << quint16(4) << quint32(0)
      << quint32(xorStride * h + andStride * h) << qint32(0) << qint32(0) << quint32(16)
      << quint32(0);
    const QVector<QRgb> table = icon.colours.colorTable();
    for (int i = 0; i < 16; ++i) {
        const QRgb c = i < table.size() ? table[i] : 0;
        s << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(xorStride, '\0');
        for (int x = 0; x < w; ++x) {
            const int v = icon.colours.pixelIndex(x, y) & 0x0f;
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? v << 4 : v));
        }
        s.writeRawData(row.constData(), row.size());
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(andStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (icon.mask.pixelIndex(x, y) != 0) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        s.writeRawData(row.constData(), row.size());
    }
    return out;
}

} // namespace artgen
