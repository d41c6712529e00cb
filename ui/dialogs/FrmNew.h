#pragma once

#include "LotteryDocument.h"

#include <QDialog>

class AppearanceSource;
class QLabel;
class QPushButton;
class QSlider;
class TiledBackground;

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
    void FormShow();
    void trcKolvoNumChange(int value);
    void trcKolvoIzChange(int value);
    void Button1Click();
    void Button2Click();

    QSlider* AddTrackBar(const QString& name, int y, int minimum, int maximum, int position,
                         int pageStep);
    QLabel* AddValueLabel(const QString& name, int y, const QString& text);

    lottery::LotteryDocument& document_;
    const AppearanceSource& appearance_;
    TiledBackground* imgFon3_;
    QLabel* Label1_;
    QSlider* trcKolvoNum_;
    QLabel* lblKolvoNum_;
    QLabel* Label2_;
    QSlider* trcKolvoIz_;
    QLabel* lblKolvoIz_;
    QPushButton* Button1_;
    QPushButton* Button2_;
};
