#pragma once

#include <QDialog>

class AppearanceSource;

// " Помощь": a short explanation of the program on the current background.
class FrmHelp : public QDialog {
    Q_OBJECT
public:
    explicit FrmHelp(const AppearanceSource& appearance, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    const AppearanceSource& appearance_;
};
