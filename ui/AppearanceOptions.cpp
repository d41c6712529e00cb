#include "AppearanceOptions.h"

#include "ColourValue.h"
#include "DrawEntryPage.h"
#include "ErrorReport.h"
#include "Pictures.h"
#include "StandardDialogs.h"
#include "StatisticsPage.h"
#include "Tiling.h"

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

void AppearanceOptions::connectGuarded(QAction* action, void (AppearanceOptions::*handler)()) {
    // An error ends the command and is shown in the error box; the program goes on.
    connect(action, &QAction::triggered, this,
            [this, handler] { RunGuarded([&] { (this->*handler)(); }); });
}

AppearanceOptions::AppearanceOptions(StatisticsPage& statistics, DrawEntryPage& drawEntry,
                                     StandardDialogs& dialogs, QWidget* dialogParent)
    : QObject(dialogParent), statistics_(statistics), drawEntry_(drawEntry), dialogs_(dialogs),
      dialogParent_(dialogParent) {}

void AppearanceOptions::populateMenu(QMenu* mnuOptions) {
    QMenu* mnuColor = mnuOptions->addMenu(QStringLiteral("Цвета"));
    mnuColor->setObjectName(QStringLiteral("mnuColor"));
    mnuColor->menuAction()->setObjectName(QStringLiteral("mnuColor"));
    connectGuarded(AddItem(mnuColor, "mnuColorTableFon", QStringLiteral("Цвет фона таблиц")),
                   &AppearanceOptions::mnuColorTableFonClick);
    connectGuarded(AddItem(mnuColor, "mnuColorShap", QStringLiteral("Цвет шапки таблиц")),
                   &AppearanceOptions::mnuColorShapClick);
    AddSeparator(mnuColor, "mnuColSep");
    connectGuarded(AddItem(mnuColor, "mnuFontZagol", QStringLiteral("Цвет заголовков")),
                   &AppearanceOptions::mnuFontZagolClick);
    connectGuarded(AddItem(mnuColor, "mnuFontTable", QStringLiteral("Цвет шрифта таблиц")),
                   &AppearanceOptions::mnuFontTableClick);

    QMenu* mnuFon = mnuOptions->addMenu(QStringLiteral("Фон"));
    mnuFon->setObjectName(QStringLiteral("mnuFon"));
    mnuFon->menuAction()->setObjectName(QStringLiteral("mnuFon"));
    // Ordinary ticks, not an exclusive group: only the two handlers move the mark.
    mnuFon1_ = AddItem(mnuFon, "mnuFon1", QStringLiteral("Российские будни"));
    mnuFon1_->setCheckable(true);
    mnuFon1_->setChecked(firstPatternChecked_);
    mnuFon2_ = AddItem(mnuFon, "mnuFon2", QStringLiteral("Квадратура"));
    mnuFon2_->setCheckable(true);
    mnuFon2_->setChecked(!firstPatternChecked_);
    connectGuarded(mnuFon1_, &AppearanceOptions::mnuFon1Click);
    connectGuarded(mnuFon2_, &AppearanceOptions::mnuFon2Click);

    AddSeparator(mnuOptions, "mnuOptSep");
    connectGuarded(AddItem(mnuOptions, "mnuSaveOptions", QStringLiteral("Сохранить опции")),
                   &AppearanceOptions::mnuSaveOptionsClick);
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
    firstPatternChecked_ = first;
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
    return ResolveColour(statistics_.titleColour(), statistics_.palette());
}

std::optional<std::int32_t> AppearanceOptions::askColour() {
    const std::optional<QColor> chosen = dialogs_.chooseColour(dialogParent_, lastColour_);
    if (!chosen || !chosen->isValid())
        return std::nullopt;
    lastColour_ = *chosen;
    return ColourValueOf(*chosen);
}

void AppearanceOptions::mnuColorTableFonClick() {
    if (const auto value = askColour())
        statistics_.setTableBackColour(*value);
}

void AppearanceOptions::mnuColorShapClick() {
    if (const auto value = askColour())
        statistics_.setTableHeadColour(*value);
}

void AppearanceOptions::mnuFontZagolClick() {
    if (const auto value = askColour())
        statistics_.setTitleColour(*value);
}

void AppearanceOptions::mnuFontTableClick() {
    if (const auto value = askColour())
        statistics_.setTableFontColour(*value);
}

void AppearanceOptions::mnuFon1Click() {
    choosePattern(true);
}

void AppearanceOptions::mnuFon2Click() {
    choosePattern(false);
}

lottery::OptionsRecord AppearanceOptions::currentRecord() const {
    lottery::OptionsRecord record;
    const bool first = mnuFon1_ != nullptr ? mnuFon1_->isChecked() : firstPatternChecked_;
    record.background = first ? 1 : 2;
    record.reserved = reserved_;
    record.tableBackColour = statistics_.tableBackColour();
    record.tableHeadColour = statistics_.tableHeadColour();
    record.titleColour = statistics_.titleColour();
    record.tableFontColour = statistics_.tableFontColour();
    return record;
}

void AppearanceOptions::SaveOptions(const std::string& path) {
    lottery::SaveOptions(path, currentRecord());
}

void AppearanceOptions::mnuSaveOptionsClick() {
    SaveOptions(lottery::kOptionsFileName);
}

void AppearanceOptions::LoadOptions(const std::string& path) {
    const std::optional<lottery::OptionsRecord> record = lottery::LoadOptions(path);
    if (!record)
        return;
    reserved_ = record->reserved;
    if (record->firstPattern())
        mnuFon1Click();
    else
        mnuFon2Click();
    statistics_.setTableBackColour(record->tableBackColour);
    statistics_.setTableHeadColour(record->tableHeadColour);
    statistics_.setTitleColour(record->titleColour);
    statistics_.setTableFontColour(record->tableFontColour);
}
