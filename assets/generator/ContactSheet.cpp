#include "ContactSheet.h"

#include "BallGlyph.h"
#include "Pictures.h"
#include "PlayBall.h"
#include "Tiling.h"
#include "Transparency.h"

#include <QFont>
#include <QPainter>

namespace artgen {

namespace {

const QColor kFace(212, 208, 200); // the usual button face, where the glyphs are seen

class Sheet {
public:
    explicit Sheet(QPainter& p) : p_(p) {}

    void caption(const QString& text) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(15);
        font.setBold(true);
        p_.setFont(font);
        p_.setPen(QColor(30, 30, 40));
        newRow();
        p_.drawText(QPointF(margin, y_ + 15), text);
        y_ += 24;
    }

    // Places a picture enlarged without smoothing, left to right, with a small label under it.
    void put(const QImage& image, int scale, const QString& label, bool onFace = false) {
        const QSize size = image.size() * scale;
        if (x_ + size.width() > width - margin) {
            newRow();
        }
        const QRect box(x_, y_, size.width(), size.height());
        if (onFace) {
            p_.fillRect(box.adjusted(-4, -4, 4, 4), kFace);
        }
        p_.drawImage(box, image);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(11);
        p_.setFont(font);
        p_.setPen(QColor(50, 50, 60));
        p_.drawText(QRect(x_ - 6, box.bottom() + 6, size.width() + 12, 14), Qt::AlignHCenter,
                    label);
        x_ += size.width() + 18;
        rowHeight_ = std::max(rowHeight_, size.height() + 26);
    }

    void newRow() {
        if (x_ > margin) {
            y_ += rowHeight_;
        }
        x_ = margin;
        rowHeight_ = 0;
    }

    int bottom() const { return y_ + rowHeight_; }

    static constexpr int width = 1300;
    static constexpr int margin = 20;

private:
    QPainter& p_;
    int x_ = margin;
    int y_ = margin;
    int rowHeight_ = 0;
};

QImage DressedBall(int number, bool hit) {
    const art::PlayBallDressing d = art::DressPlayBall(number, hit, QPoint(0, 0));
    QImage shown(60, 60, QImage::Format_ARGB32);
    shown.fill(kFace);
    QPainter p(&shown);
    p.drawImage(d.picturePos, d.picture);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(16);
    p.setFont(font);
    p.setPen(d.labelColour);
    const int lineHeight = QFontMetrics(font).height();
    p.drawText(QRect(d.labelPos, QSize(25, lineHeight)), Qt::AlignHCenter, d.labelText);
    return shown;
}

} // namespace

QImage RenderContactSheet() {
    const art::Pictures& pics = art::Pictures::instance();
    QImage sheet(Sheet::width, 2600, QImage::Format_RGB32);
    sheet.fill(QColor(244, 243, 240));
    QPainter p(&sheet);
    Sheet s(p);

    s.caption(QStringLiteral("Balls as stored (x4), and shown transparent on a button face"));
    s.put(pics.ball(), 4, QStringLiteral("imgBall"));
    s.put(pics.ballGolden(), 4, QStringLiteral("imgBall2"));
    s.put(pics.playBall(), 4, QStringLiteral("imgPlayBall"));
    s.put(pics.playBallBingo(), 4, QStringLiteral("imgPlayBallBingo"));
    s.put(art::WithKeyTransparent(pics.playBall()), 2, QStringLiteral("transparent"), true);
    s.put(DressedBall(37, false), 2, QStringLiteral("drawn 37"), true);
    s.put(DressedBall(8, true), 2, QStringLiteral("hit 8"), true);

    s.caption(QStringLiteral("Number glyphs (x4): plain, selected, after-draw"));
    for (int n : {1, 7, 10, 23, 49}) {
        s.put(art::WithKeyTransparent(art::ComposeBallGlyph(n, art::GlyphKind::Plain)), 4,
              QStringLiteral("%1 plain").arg(n), true);
        s.put(art::WithKeyTransparent(art::ComposeBallGlyph(n, art::GlyphKind::Selected)), 4,
              QStringLiteral("%1 selected").arg(n), true);
        if (n >= 10) {
            s.put(art::WithKeyTransparent(art::ComposeBallGlyph(n, art::GlyphKind::AfterDraw)), 4,
                  QStringLiteral("%1 after").arg(n), true);
        }
    }

    s.caption(QStringLiteral("Digit images (x4), mask shown as the checked ground"));
    QImage strip(16 * 20, 16, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    {
        QPainter sp(&strip);
        for (int i = 0; i < 20; ++i) {
            sp.fillRect(QRect(i * 16, 0, 16, 16), (i % 2) ? QColor(225, 225, 225) : Qt::white);
            sp.drawImage(i * 16, 0, pics.digit(i));
        }
    }
    s.put(strip, 4, QStringLiteral("imgList 0..19"));

    s.caption(QStringLiteral("Tiles (x3) and 2 x 2 repeats (x1) to show the seams"));
    s.put(pics.plasterTile(), 3, QStringLiteral("imgFon"));
    QImage plaster;
    art::LayTiles(plaster, QSize(243, 243), pics.plasterTile(), 3, 3);
    s.put(plaster, 1, QStringLiteral("3 x 3"));
    s.put(pics.patchworkTile(), 3, QStringLiteral("imgFon3"));
    QImage patch;
    art::LayTiles(patch, QSize(243, 243), pics.patchworkTile(), 3, 3);
    s.put(patch, 1, QStringLiteral("3 x 3"));

    s.caption(QStringLiteral("Photographs (x2)"));
    s.put(pics.town(), 2, QStringLiteral("imgTown"));
    s.put(pics.logo(), 2, QStringLiteral("About picture"));

    s.caption(QStringLiteral("Button glyphs (x6) and program icon (x4), transparent on a face"));
    s.put(art::WithKeyTransparent(pics.tirazGlyph()), 6, QStringLiteral("bbtTiraz"), true);
    s.put(art::WithKeyTransparent(pics.playGlyph()), 6, QStringLiteral("bbtPlay"), true);
    s.put(pics.programIcon().pixmap(32, 32).toImage(), 4, QStringLiteral("program icon"), true);
    s.put(pics.programIcon().pixmap(32, 32).toImage(), 1, QStringLiteral("x1"), true);
    s.put(art::WithKeyTransparent(pics.tirazGlyph()), 1, QStringLiteral("x1"), true);
    s.put(art::WithKeyTransparent(pics.playGlyph()), 1, QStringLiteral("x1"), true);
    s.newRow();
    const int used = s.bottom() + Sheet::margin;
    p.end();
    return sheet.copy(0, 0, Sheet::width, used);
}

} // namespace artgen
