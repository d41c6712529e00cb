#pragma once

#include "platform/StandardDialogs.h"

#include <deque>

// The main window's standard dialogs without a screen to answer them: every question is
// answered No, Open takes the next queued path, "Цвет ..." the next queued colour; nothing
// queued cancels.
class ScriptedDialogs : public StandardDialogs {
public:
    std::deque<QString> openPaths;
    std::deque<QColor> colours;

    ConfirmAnswer askYesNo(QWidget* parent, const QString& text) override;
    std::optional<QString> chooseFileToOpen(QWidget* parent) override;
    std::optional<session::SaveTarget>
    chooseFileToSave(QWidget* parent, const session::SaveProposal& proposal) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;
};
