#pragma once

#include <QDialog>

class AppearanceSource;
class LinkLabel;
class QLabel;
class QPushButton;
class TiledBackground;
class TopLineBevel;
class UrlOpener;

// " О программе": name, version, maker and two links handed to the desktop.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    FrmAbout(const AppearanceSource& appearance, UrlOpener& urls, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void OKButtonClick();
    void lbl4Click();
    void lbl7Click();

    LinkLabel* AddLink(const QString& name, const QString& text, int y);

    const AppearanceSource& appearance_;
    UrlOpener& urls_;
    TiledBackground* imgFon_;
    QLabel* ProgramIcon_;
    QLabel* lbl1_;
    QLabel* lbl2_;
    TopLineBevel* Bevel1_;
    QLabel* lbl3_;
    QLabel* lbl6_;
    LinkLabel* lbl4_;
    QLabel* lbl5_;
    LinkLabel* lbl7_;
    QPushButton* OKButton_;
};
