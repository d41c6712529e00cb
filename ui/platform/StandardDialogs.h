#pragma once

#include "platform/ConfirmAnswer.h"
#include "session/SessionQuestions.h"

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

// The standard dialogs the main window uses, behind one seam: the program shows the real Qt
// dialogs, tests give scripted answers.
class StandardDialogs {
public:
    virtual ~StandardDialogs() = default;
    // "Confirm" box with "&Yes"/"&No".
    virtual ConfirmAnswer askYesNo(QWidget* parent, const QString& text) = 0;
    // dlgOpen / dlgSave; nullopt when cancelled. The save dialog opens in the proposed folder
    // on the proposed name (none when it is empty).
    virtual std::optional<QString> chooseFileToOpen(QWidget* parent) = 0;
    // The save dialog offers the table filter unless the proposal is for a database only.
    virtual std::optional<session::SaveTarget>
    chooseFileToSave(QWidget* parent, const session::SaveProposal& proposal) = 0;
    // dlgColor opened on initial; nullopt when cancelled.
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) = 0;
};
