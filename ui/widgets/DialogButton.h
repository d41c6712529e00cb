#pragma once

#include <QPushButton>

// A dialog's push button that never becomes the default by itself: Enter presses it only
// while it has the focus, as Space does, so Enter on a track bar starts nothing.
class DialogButton : public QPushButton {
    Q_OBJECT
public:
    DialogButton(const QString& text, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
