#pragma once

#include <QMessageBox>

// "Confirm": the question box with "&Yes" (6) and "&No" (7). Enter chooses Yes, Escape No,
// and the close box gives 2.
class ConfirmBox : public QMessageBox {
    Q_OBJECT
public:
    static constexpr int kClosed = 2;

    ConfirmBox(const QString& text, QWidget* parent = nullptr);

    // Shows the box modally and returns 6, 7 or 2.
    int ask();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAbstractButton* yes_;
    QAbstractButton* no_;
    bool closedByBox_ = false;
};
