#include "options/AppearanceOptions.h"

#include "Pictures.h"
#include "Tiling.h"
#include "drawentry/DrawEntryPage.h"
#include "platform/StandardDialogs.h"
#include "statistics/StatisticsPage.h"
#include "widgets/ColourValue.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace {

QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

} // namespace

AppearanceOptions::AppearanceOptions(StatisticsPage& statistics, DrawEntryPage& drawEntry,
                                     StandardDialogs& dialogs, std::string optionsPath,
                                     lottery::FileSystem& fs, QWidget* dialogParent)
    : QObject(dialogParent), statistics_(statistics), drawEntry_(drawEntry), dialogs_(dialogs),
      optionsPath_(std::move(optionsPath)), fileSystem_(&fs), dialogParent_(dialogParent) {
    applyColours();
}

void AppearanceOptions::applyColours() {
    const QPalette& palette = statistics_.palette();
    statistics_.setTableBackColour(ResolveColour(record_.tableBackColour, palette));
    statistics_.setTableHeadColour(ResolveColour(record_.tableHeadColour, palette));
    statistics_.setTitleColour(ResolveColour(record_.titleColour, palette));
    statistics_.setTableFontColour(ResolveColour(record_.tableFontColour, palette));
}

void AppearanceOptions::populateMenu(QMenu* mnuOptions) {
    QMenu* mnuColor = mnuOptions->addMenu(QStringLiteral("Цвета"));
    mnuColor->setObjectName(QStringLiteral("mnuColor"));
    mnuColor->menuAction()->setObjectName(QStringLiteral("mnuColor"));
    connect(AddItem(mnuColor, "mnuColorTableFon", QStringLiteral("Цвет фона таблиц")),
            &QAction::triggered, this, &AppearanceOptions::mnuColorTableFonClick);
    connect(AddItem(mnuColor, "mnuColorShap", QStringLiteral("Цвет шапки таблиц")),
            &QAction::triggered, this, &AppearanceOptions::mnuColorShapClick);
    AddSeparator(mnuColor, "mnuColSep");
    connect(AddItem(mnuColor, "mnuFontZagol", QStringLiteral("Цвет заголовков")),
            &QAction::triggered, this, &AppearanceOptions::mnuFontZagolClick);
    connect(AddItem(mnuColor, "mnuFontTable", QStringLiteral("Цвет шрифта таблиц")),
            &QAction::triggered, this, &AppearanceOptions::mnuFontTableClick);

    QMenu* mnuFon = mnuOptions->addMenu(QStringLiteral("Фон"));
    mnuFon->setObjectName(QStringLiteral("mnuFon"));
    mnuFon->menuAction()->setObjectName(QStringLiteral("mnuFon"));
    // Ordinary ticks, not an exclusive group: only the two handlers move the mark.
    mnuFon1_ = AddItem(mnuFon, "mnuFon1", QStringLiteral("Российские будни"));
    mnuFon1_->setCheckable(true);
    mnuFon1_->setChecked(record_.firstPattern());
    mnuFon2_ = AddItem(mnuFon, "mnuFon2", QStringLiteral("Квадратура"));
    mnuFon2_->setCheckable(true);
    mnuFon2_->setChecked(!record_.firstPattern());
    connect(mnuFon1_, &QAction::triggered, this, &AppearanceOptions::mnuFon1Click);
    connect(mnuFon2_, &QAction::triggered, this, &AppearanceOptions::mnuFon2Click);

    AddSeparator(mnuOptions, "mnuOptSep");
    connect(AddItem(mnuOptions, "mnuSaveOptions", QStringLiteral("Сохранить опции")),
            &QAction::triggered, this, &AppearanceOptions::mnuSaveOptionsClick);
}

void AppearanceOptions::LayFirstPattern() {
    tile_ = PatternTile(true);
    ChangeFon();
}

QImage AppearanceOptions::PatternTile(bool first) {
    const art::Pictures& pictures = art::Pictures::instance();
    return (first ? pictures.plasterTile() : pictures.patchworkTile()).copy();
}

void AppearanceOptions::choosePattern(bool first) {
    record_.background = first ? 1 : 2;
    QAction* unchecked = first ? mnuFon2_ : mnuFon1_;
    QAction* checked = first ? mnuFon1_ : mnuFon2_;
    if (unchecked != nullptr)
        unchecked->setChecked(false);
    if (checked != nullptr)
        checked->setChecked(true);
    tile_ = PatternTile(first);
    ChangeFon();
}

void AppearanceOptions::ChangeFon() {
    const QSize page(DrawEntryPage::kWidth, DrawEntryPage::kHeight);
    art::LayTiles(fon1_, page, tile_, kPageColumns, kPageRows);
    art::LayTiles(fon2_, page, tile_, kPageColumns, kPageRows);
    statistics_.setBackground(fon1_);
    drawEntry_.setBackground(fon2_);
}

QImage AppearanceOptions::currentTile() const {
    return tile_;
}

QColor AppearanceOptions::titleColour() const {
    return ResolveColour(record_.titleColour, statistics_.palette());
}

void AppearanceOptions::askColour(std::int32_t lottery::OptionsRecord::*field) {
    const std::optional<QColor> chosen = dialogs_.chooseColour(dialogParent_, lastColour_);
    if (!chosen || !chosen->isValid())
        return;
    lastColour_ = *chosen;
    record_.*field = ColourValueOf(*chosen);
    applyColours();
}

void AppearanceOptions::mnuColorTableFonClick() {
    askColour(&lottery::OptionsRecord::tableBackColour);
}

void AppearanceOptions::mnuColorShapClick() {
    askColour(&lottery::OptionsRecord::tableHeadColour);
}

void AppearanceOptions::mnuFontZagolClick() {
    askColour(&lottery::OptionsRecord::titleColour);
}

void AppearanceOptions::mnuFontTableClick() {
    askColour(&lottery::OptionsRecord::tableFontColour);
}

void AppearanceOptions::mnuFon1Click() {
    choosePattern(true);
}

void AppearanceOptions::mnuFon2Click() {
    choosePattern(false);
}

void AppearanceOptions::mnuSaveOptionsClick() {
    lottery::SaveOptions(optionsPath_, record_, *fileSystem_);
}

void AppearanceOptions::LoadOptions() {
    const std::optional<lottery::OptionsRecord> loaded =
        lottery::LoadOptions(optionsPath_, *fileSystem_);
    if (!loaded)
        return;
    record_ = *loaded;
    choosePattern(loaded->firstPattern());
    applyColours();
}
