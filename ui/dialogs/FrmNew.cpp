#include "dialogs/FrmNew.h"

#include "widgets/AppearanceSource.h"
#include "widgets/DialogControls.h"
#include "widgets/TiledBackground.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

using namespace dialog_controls;

namespace {
constexpr QSize kClient(273, 156);
constexpr int kTileCols = 4;
constexpr int kTileRows = 2;
constexpr int kMinK = 1;
// N's lower limit before K is first moved.
constexpr int kDesignMinN = 7;
} // namespace

FrmNew::FrmNew(const AppearanceSource& appearance, QWidget* parent)
    : QDialog(parent), appearance_(appearance) {
    SetUpFixedWindow(*this, QStringLiteral("frmNew"), QStringLiteral("Новая статистика"), kClient);

    imgFon3_ = new TiledBackground(QStringLiteral("imgFon3"), kClient, this);
    Label1_ = AddLabel(this, QStringLiteral("Label1"),
                       QStringLiteral("Количество отгадываемых номеров:"), 16, 8, true);
    trcKolvoNum_ =
        AddTrackBar(QStringLiteral("trcKolvoNum"), 24, kMinK, lottery::LotteryShape::kMaxK, 6, 2);
    lblKolvoNum_ = AddValueLabel(QStringLiteral("lblKolvoNum"), 22, QStringLiteral("6"));
    Label2_ = AddLabel(this, QStringLiteral("Label2"), QStringLiteral("Общее количество номеров:"),
                       16, 64, true);
    trcKolvoIz_ = AddTrackBar(QStringLiteral("trcKolvoIz"), 80, kDesignMinN,
                              lottery::LotteryShape::kMaxN, 47, 5);
    lblKolvoIz_ = AddValueLabel(QStringLiteral("lblKolvoIz"), 78, QStringLiteral("47"));

    Button1_ = AddButton(this, QStringLiteral("Button1"), QStringLiteral("готово"),
                         QRect(55, 120, 75, 25), true);
    Button2_ = AddButton(this, QStringLiteral("Button2"), QStringLiteral("отмена"),
                         QRect(143, 120, 75, 25), true);

    // Connected only now, so that building the bars reports nothing and the labels keep
    // their design texts.
    connect(trcKolvoNum_, &QSlider::valueChanged, this, &FrmNew::trcKolvoNumChange);
    connect(trcKolvoIz_, &QSlider::valueChanged, this, &FrmNew::trcKolvoIzChange);
    connect(Button1_, &QPushButton::clicked, this, &FrmNew::Button1Click);
    connect(Button2_, &QPushButton::clicked, this, &FrmNew::Button2Click);
}

QSlider* FrmNew::AddTrackBar(const QString& name, int y, int minimum, int maximum, int position,
                             int pageStep) {
    auto* bar = new QSlider(Qt::Horizontal, this);
    bar->setObjectName(name);
    bar->setGeometry(8, y, 217, 29);
    bar->setRange(minimum, maximum);
    bar->setValue(position);
    bar->setSingleStep(1);
    bar->setPageStep(pageStep);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval(1);
    bar->setCursor(Qt::PointingHandCursor);
    // A track bar paints its own face; only the labels are see-through.
    bar->setAutoFillBackground(true);
    return bar;
}

QLabel* FrmNew::AddValueLabel(const QString& name, int y, const QString& text) {
    QLabel* label = AddSizedLabel(this, name, text, QRect(238, y, 22, 22), Qt::AlignCenter, false);
    QFont font(QStringLiteral("Arial Cyr"));
    font.setPixelSize(19);
    font.setBold(true);
    label->setFont(font);
    return label;
}

std::optional<lottery::LotteryShape> FrmNew::askShape() {
    accepted_.reset();
    exec();
    return accepted_;
}

void FrmNew::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void FrmNew::FormShow() {
    imgFon3_->lay(appearance_.currentTile(), kTileCols, kTileRows);
    SetFontColour({Label1_, Label2_, lblKolvoIz_, lblKolvoNum_}, appearance_.titleColour());
}

void FrmNew::trcKolvoNumChange(int value) {
    lblKolvoNum_->setNum(value);
    // N's thumb already lies above K, so this limit moves it only if it must.
    trcKolvoIz_->setMinimum(value + 1);
}

void FrmNew::trcKolvoIzChange(int value) {
    lblKolvoIz_->setNum(value);
    trcKolvoNum_->setMaximum(value > lottery::LotteryShape::kMaxK ? lottery::LotteryShape::kMaxK
                                                                  : value - 1);
}

void FrmNew::Button1Click() {
    lottery::LotteryShape shape;
    shape.K = static_cast<std::uint8_t>(trcKolvoNum_->value());
    shape.N = static_cast<std::uint8_t>(trcKolvoIz_->value());
    accepted_ = shape;
    accept();
}

void FrmNew::Button2Click() {
    reject();
}
