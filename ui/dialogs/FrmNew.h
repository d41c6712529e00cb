#pragma once

#include <QDialog>

#include "LotteryDocument.h"

class AppearanceSource;
class QLabel;
class QSlider;

// "Новая статистика": asks K and N of a new lottery. On "готово" it writes the shape into the
// document and sets newAccepted; it keeps its positions from one opening to the next.
class FrmNew : public QDialog {
    Q_OBJECT
public:
    FrmNew(lottery::LotteryDocument& document, const AppearanceSource& appearance,
           QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void trcKolvoNumChange(int value);
    void trcKolvoIzChange(int value);
    void Button1Click();
    void Button2Click();

    lottery::LotteryDocument& document_;
    const AppearanceSource& appearance_;
};
