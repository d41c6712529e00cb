#include "dialogs/TableUpdateQuestion.h"

#include "wording/RussianCount.h"

#include <QCoreApplication>
#include <QPushButton>

namespace {

QString CountOf(std::size_t count, const wording::NounForms& forms) {
    return QString::fromStdString(wording::CountOf(static_cast<long long>(count), forms));
}

const wording::NounForms kDraws{"тираж", "тиража", "тиражей"};
const wording::NounForms kNewDraws{"новый тираж", "новых тиража", "новых тиражей"};

} // namespace

TableUpdateQuestion::TableUpdateQuestion(std::size_t alreadyThere, std::size_t newDraws,
                                         QWidget* parent)
    : QMessageBox(parent) {
    setObjectName(QStringLiteral("TableUpdateQuestion"));
    setWindowTitle(QCoreApplication::applicationName());
    setIcon(QMessageBox::Question);
    setText(QStringLiteral("Таблица продолжает лотерею: её начало (%1) уже есть в конце лотереи, "
                           "после него — %2.")
                .arg(CountOf(alreadyThere, kDraws), CountOf(newDraws, kNewDraws)));
    setInformativeText(QStringLiteral("Заменить лотерею таблицей — открыть всю таблицу "
                                      "(%1) как новую безымянную лотерею.")
                           .arg(CountOf(alreadyThere + newDraws, kDraws)));
    addNew_ = addButton(QStringLiteral("Добавить %1").arg(CountOf(newDraws, kNewDraws)),
                        QMessageBox::AcceptRole);
    addNew_->setObjectName(QStringLiteral("btnAddNewDraws"));
    replace_ = addButton(QStringLiteral("Заменить лотерею таблицей"), QMessageBox::DestructiveRole);
    replace_->setObjectName(QStringLiteral("btnReplaceLottery"));
    QAbstractButton* cancel = addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    // Adding keeps every draw on screen and is one undo step; replacing drops the lottery.
    setDefaultButton(static_cast<QPushButton*>(addNew_));
    setEscapeButton(cancel);
}

session::TableUpdate TableUpdateQuestion::ask() {
    exec();
    if (clickedButton() == addNew_)
        return session::TableUpdate::AddNewDraws;
    if (clickedButton() == replace_)
        return session::TableUpdate::ReplaceLottery;
    return session::TableUpdate::Cancel;
}
