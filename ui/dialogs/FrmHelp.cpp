#include "dialogs/FrmHelp.h"

#include "widgets/AppearanceSource.h"
#include "widgets/DialogControls.h"
#include "widgets/TiledBackground.h"

#include <QLabel>
#include <QPushButton>

using namespace dialog_controls;

namespace {

constexpr QSize kClient(342, 187);
constexpr int kTileCols = 5;
constexpr int kTileRows = 3;

// One continuous text, broken across the three labels in mid-sentence.
const char* const kText1 =
    "Программа \"Жребикон\" предназначена для ведения статистики практически любых вариантов "
    "лотерей (таких как \"Спортлото\", \"Лотто Миллион\" и других). Также Вы можете создать "
    "свой вариант лотереи и розыгрывать ее в кругу";
const char* const kText2 =
    "семьи, друзей или на детском празднике. Для этого на вкладке \"Добавить тираж\" следует "
    "нажать кнопку \"Розыгрыш\". После заполнения карточки можете проводить тираж. При "
    "активной кнопке \"Тираж\", номера с заполненной карточки заносятся в";
const char* const kText3 = "базу данных о прошедших тиражах.";

} // namespace

FrmHelp::FrmHelp(const AppearanceSource& appearance, QWidget* parent)
    : QDialog(parent), appearance_(appearance) {
    SetUpFixedWindow(*this, QStringLiteral("frmHelp"), QStringLiteral(" Помощь"), kClient);

    imgFon_ = new TiledBackground(QStringLiteral("imgFon"), kClient, this);
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    lbl1_ = AddSizedLabel(this, QStringLiteral("lbl1"), QString::fromUtf8(kText1),
                          QRect(2, 8, 337, 73), centred, true);
    lbl2_ = AddSizedLabel(this, QStringLiteral("lbl2"), QString::fromUtf8(kText2),
                          QRect(2, 73, 337, 72), centred, true);
    lbl3_ = AddSizedLabel(this, QStringLiteral("lbl3"), QString::fromUtf8(kText3),
                          QRect(2, 138, 337, 17), centred, true);
    for (QLabel* label : {lbl1_, lbl2_, lbl3_}) {
        MakeBold(label);
    }

    btnOK_ = AddButton(this, QStringLiteral("btnOK"), QStringLiteral("усвоено"),
                       QRect(8, 159, 327, 23), true);
    btnOK_->setCursor(Qt::PointingHandCursor);
    connect(btnOK_, &QPushButton::clicked, this, &FrmHelp::btnOKClick);
}

void FrmHelp::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void FrmHelp::FormShow() {
    imgFon_->lay(appearance_.currentTile(), kTileCols, kTileRows);
    SetFontColour({lbl1_, lbl2_, lbl3_}, appearance_.titleColour());
}

void FrmHelp::btnOKClick() {
    accept();
}
