#pragma once

#include <QDialog>

class AppearanceSource;
class UrlOpener;

// " О программе": name, version, maker and two links handed to the desktop.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    FrmAbout(const AppearanceSource& appearance, UrlOpener& urls, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    const AppearanceSource& appearance_;
    UrlOpener& urls_;
};
