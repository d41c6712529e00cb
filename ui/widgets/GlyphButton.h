#pragma once

#include <QColor>
#include <QImage>
#include <QPushButton>

// A push button with a bitmap glyph and a caption, laid out like the bitmap buttons of the
// windows' design: the glyph is shown transparent by its bottom-left pixel, either centred
// together with the caption (margin -1) or at a fixed margin from the left edge with the
// caption 4 pixels after it.
class GlyphButton : public QPushButton {
    Q_OBJECT
public:
    static constexpr int kSpacing = 4;

    explicit GlyphButton(QWidget* parent = nullptr);

    // Keeps its own copy; the key colour becomes see-through.
    void setGlyph(const QImage& glyph);
    const QImage& glyph() const { return glyph_; }
    void setMargin(int margin);
    int margin() const { return margin_; }
    void setTextColour(const QColor& colour);
    QColor textColour() const { return textColour_; }

    // Where glyph and caption are drawn, for a button that is not pressed.
    QRect glyphRect() const;
    QRect textRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void layout(QRect& glyphArea, QRect& textArea) const;

    QImage glyph_;
    QPixmap glyphPixmap_;
    int margin_ = -1;
    QColor textColour_ = Qt::black;
};
