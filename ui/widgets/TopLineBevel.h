#pragma once

#include <QWidget>

// A raised line along the top edge of its rectangle: a highlight row over a shadow row.
class TopLineBevel : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};
