#include "platform/ConfirmBox.h"

#include <QCloseEvent>
#include <QPushButton>

ConfirmBox::ConfirmBox(const QString& text, QWidget* parent) : QMessageBox(parent) {
    setObjectName(QStringLiteral("ConfirmBox"));
    setWindowTitle(QStringLiteral("Confirm"));
    setIcon(QMessageBox::Question);
    setText(text);
    yes_ = addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    no_ = addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    setDefaultButton(static_cast<QPushButton*>(yes_));
    setEscapeButton(no_);
}

ConfirmAnswer ConfirmBox::ask() {
    closedByBox_ = false;
    exec();
    if (closedByBox_)
        return ConfirmAnswer::Closed;
    return clickedButton() == yes_ ? ConfirmAnswer::Yes : ConfirmAnswer::No;
}

void ConfirmBox::closeEvent(QCloseEvent* event) {
    // A close that no button caused is the close box (or the window manager's close).
    if (clickedButton() == nullptr)
        closedByBox_ = true;
    QMessageBox::closeEvent(event);
}
