#pragma once

#include "platform/ConfirmAnswer.h"

#include <QMessageBox>

// "Confirm": the question box with "&Yes" and "&No". Enter chooses Yes, Escape No, and the
// close box gives Closed.
class ConfirmBox : public QMessageBox {
    Q_OBJECT
public:
    ConfirmBox(const QString& text, QWidget* parent = nullptr);

    // Shows the box modally.
    ConfirmAnswer ask();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAbstractButton* yes_;
    QAbstractButton* no_;
    bool closedByBox_ = false;
};
