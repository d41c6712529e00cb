#include "widgets/DialogButton.h"

#include <QKeyEvent>

DialogButton::DialogButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    // An auto-default button would become the dialog's default as soon as the dialog shows.
    setAutoDefault(false);
}

void DialogButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
