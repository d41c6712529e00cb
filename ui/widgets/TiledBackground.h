#pragma once

#include <QImage>
#include <QLabel>

// The whole-window background picture of a dialog. It keeps its own bitmap, which the first
// laying creates at the window's size and every later laying paints over.
class TiledBackground : public QLabel {
    Q_OBJECT
public:
    TiledBackground(const QString& name, QSize size, QWidget* parent);

    void lay(const QImage& tile, int cols, int rows);
    // As many whole tiles as it takes to cover the window.
    void layCovering(const QImage& tile);
    const QImage& picture() const { return picture_; }

private:
    QImage picture_;
};
