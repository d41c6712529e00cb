#include "platform/QtStandardDialogs.h"

#include "platform/ConfirmBox.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

namespace {

// Centred horizontally on the parent's screen, top at one third of the free height.
void PlaceOnScreen(QWidget& dialog, QWidget* parent) {
    QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect free = screen->availableGeometry();
    const QSize size = dialog.sizeHint().expandedTo(dialog.size());
    dialog.move(free.left() + (free.width() - size.width()) / 2,
                free.top() + (free.height() - size.height()) / 3);
}

} // namespace

QtStandardDialogs::QtStandardDialogs() = default;
QtStandardDialogs::~QtStandardDialogs() = default;

QString QtStandardDialogs::tableFilter() {
    return QStringLiteral("Таблицы тиражей (*.csv *.txt)");
}

QString QtStandardDialogs::fileFilter() {
    return QStringLiteral("Файлы баз данных лотерей (*.dat)");
}

ConfirmAnswer QtStandardDialogs::askYesNo(QWidget* parent, const QString& text) {
    ConfirmBox box(text, parent);
    return box.ask();
}

std::optional<QString> QtStandardDialogs::runFileDialog(QFileDialog& dialog, QWidget* parent) {
    dialog.setWindowModality(Qt::ApplicationModal);
    PlaceOnScreen(dialog, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtStandardDialogs::chooseFileToOpen(QWidget* parent) {
    if (!dlgOpen_) {
        dlgOpen_ = std::make_unique<QFileDialog>();
        dlgOpen_->setObjectName(QStringLiteral("dlgOpen"));
        dlgOpen_->setOption(QFileDialog::DontUseNativeDialog);
        dlgOpen_->setAcceptMode(QFileDialog::AcceptOpen);
        // A typed name need not exist: opening it then reports "File not found".
        dlgOpen_->setFileMode(QFileDialog::AnyFile);
        // Draw tables come in through the second filter; the first stays the databases'.
        dlgOpen_->setNameFilters({fileFilter(), tableFilter()});
    }
    if (!lastOpened_.isEmpty())
        dlgOpen_->selectFile(lastOpened_);
    std::optional<QString> chosen = runFileDialog(*dlgOpen_, parent);
    if (chosen)
        lastOpened_ = *chosen;
    return chosen;
}

std::optional<QString> QtStandardDialogs::chooseFileToSave(QWidget* parent,
                                                           const session::SaveProposal& proposal) {
    if (!dlgSave_) {
        dlgSave_ = std::make_unique<QFileDialog>();
        dlgSave_->setObjectName(QStringLiteral("dlgSave"));
        dlgSave_->setOption(QFileDialog::DontUseNativeDialog);
        dlgSave_->setAcceptMode(QFileDialog::AcceptSave);
        dlgSave_->setFileMode(QFileDialog::AnyFile);
        dlgSave_->setNameFilters({fileFilter(), tableFilter()});
        dlgSave_->setDefaultSuffix(QStringLiteral("dat"));
        // A typed name without extension gets the one of the chosen filter.
        QObject::connect(dlgSave_.get(), &QFileDialog::filterSelected, dlgSave_.get(),
                         [dialog = dlgSave_.get()](const QString& filter) {
                             dialog->setDefaultSuffix(filter == tableFilter()
                                                          ? QStringLiteral("csv")
                                                          : QStringLiteral("dat"));
                         });
        dlgSave_->setOption(QFileDialog::DontConfirmOverwrite, false);
    }
    if (!proposal.folder.isEmpty())
        dlgSave_->setDirectory(proposal.folder);
    if (!proposal.fileName.isEmpty()) {
        dlgSave_->selectFile(QDir(proposal.folder).filePath(proposal.fileName));
    } else if (auto* name = dlgSave_->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        // selectFile takes no empty name: the name typed last time must not be proposed
        // for another lottery.
        name->clear();
    }
    return runFileDialog(*dlgSave_, parent);
}

std::optional<QColor> QtStandardDialogs::chooseColour(QWidget* parent, const QColor& initial) {
    if (!dlgColor_) {
        dlgColor_ = std::make_unique<QColorDialog>();
        dlgColor_->setObjectName(QStringLiteral("dlgColor"));
        dlgColor_->setOption(QColorDialog::DontUseNativeDialog);
    }
    dlgColor_->setCurrentColor(initial);
    dlgColor_->setWindowModality(Qt::ApplicationModal);
    PlaceOnScreen(*dlgColor_, parent);
    if (dlgColor_->exec() != QDialog::Accepted)
        return std::nullopt;
    return dlgColor_->selectedColor();
}
