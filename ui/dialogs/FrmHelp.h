#pragma once

#include <QDialog>

class AppearanceSource;
class QLabel;
class QPushButton;
class TiledBackground;

// " Помощь": a short explanation of the program on the current background.
class FrmHelp : public QDialog {
    Q_OBJECT
public:
    explicit FrmHelp(const AppearanceSource& appearance, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void btnOKClick();

    const AppearanceSource& appearance_;
    TiledBackground* imgFon_;
    QLabel* lbl1_;
    QLabel* lbl2_;
    QLabel* lbl3_;
    QPushButton* btnOK_;
};
