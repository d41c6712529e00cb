#include "dialogs/FrmAbout.h"

#include "Pictures.h"
#include "platform/UrlOpener.h"
#include "widgets/AppearanceSource.h"
#include "widgets/DialogControls.h"
#include "widgets/LinkLabel.h"
#include "widgets/TiledBackground.h"
#include "widgets/TopLineBevel.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

using namespace dialog_controls;

namespace {

constexpr QSize kClient(316, 219);
constexpr int kTileCols = 4;
constexpr int kTileRows = 3;

// The maker's contacts. The .example names are reserved and reach no one.
const char* const kMakerLine = "© 2026 Velkora";
const char* const kEmail = "info@velkora.example";
const char* const kHost = "www.velkora.example";

} // namespace

FrmAbout::FrmAbout(const AppearanceSource& appearance, UrlOpener& urls, QWidget* parent)
    : QDialog(parent), appearance_(appearance), urls_(urls) {
    SetUpFixedWindow(*this, QStringLiteral("frmAbout"), QStringLiteral(" О программе"), kClient);

    imgFon_ = new TiledBackground(QStringLiteral("imgFon"), kClient, this);

    ProgramIcon_ = new QLabel(this);
    ProgramIcon_->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon_->setGeometry(11, 11, 150, 113);
    ProgramIcon_->setScaledContents(true);
    ProgramIcon_->setPixmap(QPixmap::fromImage(art::Pictures::instance().logo()));

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    lbl1_ = AddSizedLabel(this, QStringLiteral("lbl1"), QStringLiteral("\"Жребикон\" Версия  1.0"),
                          QRect(188, 8, 113, 49), centred, true);
    QFont nameFont;
    nameFont.setPixelSize(15);
    nameFont.setBold(true);
    lbl1_->setFont(nameFont);
    lbl2_ = AddSizedLabel(this, QStringLiteral("lbl2"), QString::fromUtf8(kMakerLine),
                          QRect(186, 67, 111, 38), centred, true);
    MakeBold(lbl2_);

    Bevel1_ = new TopLineBevel(this);
    Bevel1_->setObjectName(QStringLiteral("Bevel1"));
    Bevel1_->setGeometry(184, 123, 121, 6);

    lbl3_ = AddSizedLabel(this, QStringLiteral("lbl3"),
                          QStringLiteral("Будем очень благодарны за Ваши отклики и пожелания по "
                                         "поводу данной программы."),
                          QRect(8, 136, 297, 33), Qt::AlignLeft | Qt::AlignTop, true);
    MakeBold(lbl3_);

    lbl6_ = AddLabel(this, QStringLiteral("lbl6"), QStringLiteral("Наш e-mail:"), 10, 178, true);
    lbl4_ = AddLink(QStringLiteral("lbl4"), QString::fromLatin1(kEmail), 178);
    lbl5_ = AddLabel(this, QStringLiteral("lbl5"), QStringLiteral("Наш адрес:"), 10, 194, true);
    lbl7_ = AddLink(QStringLiteral("lbl7"), QString::fromLatin1(kHost), 194);

    OKButton_ = AddButton(this, QStringLiteral("OKButton"), QStringLiteral("OK"),
                          QRect(240, 182, 62, 24), false);
    // The one default button of the program: Enter closes About wherever the focus is.
    OKButton_->setDefault(true);

    connect(OKButton_, &QPushButton::clicked, this, &FrmAbout::OKButtonClick);
    connect(lbl4_, &LinkLabel::clicked, this, &FrmAbout::lbl4Click);
    connect(lbl7_, &LinkLabel::clicked, this, &FrmAbout::lbl7Click);
}

LinkLabel* FrmAbout::AddLink(const QString& name, const QString& text, int y) {
    auto* link = new LinkLabel(text, this);
    link->setObjectName(name);
    QFont font;
    font.setBold(true);
    font.setUnderline(true);
    link->setFont(font);
    SetFontColour({link}, QColor(0, 0, 255));
    link->setCursor(Qt::PointingHandCursor);
    link->move(82, y);
    link->adjustSize();
    return link;
}

void FrmAbout::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void FrmAbout::FormShow() {
    imgFon_->lay(appearance_.currentTile(), kTileCols, kTileRows);
    // The links keep their blue.
    SetFontColour({lbl1_, lbl2_, lbl3_, lbl5_, lbl6_}, appearance_.titleColour());
}

void FrmAbout::OKButtonClick() {
    accept();
}

void FrmAbout::lbl4Click() {
    urls_.open(QUrl(QStringLiteral("mailto:") + lbl4_->text()));
}

void FrmAbout::lbl7Click() {
    urls_.open(QUrl(QStringLiteral("http://") + lbl7_->text()));
}
