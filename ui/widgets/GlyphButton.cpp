#include "widgets/GlyphButton.h"

#include "Transparency.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

GlyphButton::GlyphButton(QWidget* parent) : QPushButton(parent) {}

void GlyphButton::setGlyph(const QImage& glyph) {
    glyph_ = glyph.copy();
    glyphPixmap_ = glyph_.isNull() ? QPixmap() : art::TransparentPixmap(glyph_);
    update();
}

void GlyphButton::setMargin(int margin) {
    margin_ = margin;
    update();
}

void GlyphButton::setTextColour(const QColor& colour) {
    textColour_ = colour;
    update();
}

QRect GlyphButton::glyphRect() const {
    QRect glyphArea, textArea;
    layout(glyphArea, textArea);
    return glyphArea;
}

QRect GlyphButton::textRect() const {
    QRect glyphArea, textArea;
    layout(glyphArea, textArea);
    return textArea;
}

void GlyphButton::layout(QRect& glyphArea, QRect& textArea) const {
    const QSize glyphSize = glyphPixmap_.isNull() ? QSize(0, 0) : glyph_.size();
    const QFontMetrics metrics(font());
    const QString caption = text();
    const QSize textSize = caption.isEmpty()
                               ? QSize(0, 0)
                               : QSize(metrics.horizontalAdvance(caption), metrics.height());
    const int spacing = (glyphSize.isEmpty() || textSize.isEmpty()) ? 0 : kSpacing;

    int glyphLeft = 0;
    if (margin_ < 0)
        glyphLeft = (width() - glyphSize.width() - spacing - textSize.width()) / 2;
    else
        glyphLeft = margin_;
    const int textLeft = glyphLeft + glyphSize.width() + spacing;

    glyphArea = QRect(QPoint(glyphLeft, (height() - glyphSize.height()) / 2), glyphSize);
    textArea = QRect(QPoint(textLeft, (height() - textSize.height()) / 2), textSize);
}

void GlyphButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    QRect glyphArea, textArea;
    layout(glyphArea, textArea);
    // A pressed button shows its face one pixel down and right.
    if (isDown()) {
        glyphArea.translate(1, 1);
        textArea.translate(1, 1);
    }
    if (!glyphPixmap_.isNull()) {
        const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        const QPixmap shown =
            isEnabled() ? glyphPixmap_ : QIcon(glyphPixmap_).pixmap(glyph_.size(), 1.0, mode);
        painter.drawPixmap(glyphArea.topLeft(), shown);
    }
    if (!text().isEmpty()) {
        painter.setPen(isEnabled() ? textColour_
                                   : palette().color(QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
