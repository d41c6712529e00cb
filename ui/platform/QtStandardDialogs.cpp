#include "platform/QtStandardDialogs.h"

#include "platform/ConfirmBox.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
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

// The proposed name under the filter chosen last time: with the other filter's extension it
// gets this one's, so that the name shown says what is written.
QString NameForFilter(const QString& name, bool table) {
    const QFileInfo file(name);
    const QString suffix = file.suffix().toLower();
    const bool other = table ? suffix == QLatin1String("dat")
                             : suffix == QLatin1String("csv") || suffix == QLatin1String("txt");
    if (!other)
        return name;
    return name.left(name.size() - file.suffix().size()) +
           (table ? QStringLiteral("csv") : QStringLiteral("dat"));
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

std::optional<session::SaveTarget>
QtStandardDialogs::chooseFileToSave(QWidget* parent, const session::SaveProposal& proposal) {
    if (!dlgSave_) {
        dlgSave_ = std::make_unique<QFileDialog>();
        dlgSave_->setObjectName(QStringLiteral("dlgSave"));
        dlgSave_->setOption(QFileDialog::DontUseNativeDialog);
        dlgSave_->setAcceptMode(QFileDialog::AcceptSave);
        dlgSave_->setFileMode(QFileDialog::AnyFile);
        // A typed name without extension gets the one of the chosen filter (the dialog itself
        // renames one with an extension).
        QObject::connect(dlgSave_.get(), &QFileDialog::filterSelected, dlgSave_.get(),
                         [dialog = dlgSave_.get()](const QString& filter) {
                             dialog->setDefaultSuffix(filter == tableFilter()
                                                          ? QStringLiteral("csv")
                                                          : QStringLiteral("dat"));
                         });
        dlgSave_->setOption(QFileDialog::DontConfirmOverwrite, false);
        lastSaveFilter_ = fileFilter();
    }
    // Before the draws are dropped only a database keeps them; elsewhere the filter chosen
    // last time is chosen again.
    const QString filter = proposal.databaseOnly ? fileFilter() : lastSaveFilter_;
    dlgSave_->setNameFilters(proposal.databaseOnly ? QStringList{fileFilter()}
                                                   : QStringList{fileFilter(), tableFilter()});
    dlgSave_->selectNameFilter(filter);
    dlgSave_->setDefaultSuffix(filter == tableFilter() ? QStringLiteral("csv")
                                                       : QStringLiteral("dat"));
    if (!proposal.folder.isEmpty())
        dlgSave_->setDirectory(proposal.folder);
    if (!proposal.fileName.isEmpty()) {
        dlgSave_->selectFile(
            QDir(proposal.folder)
                .filePath(NameForFilter(proposal.fileName, filter == tableFilter())));
    } else if (auto* name = dlgSave_->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        // selectFile takes no empty name: the name typed last time must not be proposed
        // for another lottery.
        name->clear();
    }
    const std::optional<QString> chosen = runFileDialog(*dlgSave_, parent);
    if (!proposal.databaseOnly)
        lastSaveFilter_ = dlgSave_->selectedNameFilter();
    if (!chosen)
        return std::nullopt;
    return session::SaveTarget{*chosen, dlgSave_->selectedNameFilter() == tableFilter()};
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
