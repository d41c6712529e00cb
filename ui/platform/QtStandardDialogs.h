#pragma once

#include "platform/StandardDialogs.h"

#include <memory>

class QColorDialog;
class QFileDialog;

// The real dialogs of the program. The file and colour dialogs are kept for the whole run, so
// they reopen on the last chosen file and keep their custom colours.
class QtStandardDialogs : public StandardDialogs {
public:
    QtStandardDialogs();
    ~QtStandardDialogs() override;

    ConfirmAnswer askYesNo(QWidget* parent, const QString& text) override;
    std::optional<QString> chooseFileToOpen(QWidget* parent) override;
    std::optional<session::SaveTarget>
    chooseFileToSave(QWidget* parent, const session::SaveProposal& proposal) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;

    // The filter of both file dialogs.
    static QString fileFilter();
    // Their second filter: draw tables, read through the preview, written as a copy.
    static QString tableFilter();

private:
    std::optional<QString> runFileDialog(QFileDialog& dialog, QWidget* parent);

    std::unique_ptr<QFileDialog> dlgOpen_;
    std::unique_ptr<QFileDialog> dlgSave_;
    std::unique_ptr<QColorDialog> dlgColor_;
    QString lastOpened_;
    // The save dialog's filter last chosen where both were offered.
    QString lastSaveFilter_;
};
