#pragma once

#include "lottery/LotteryShape.h"
#include "tables/DrawTable.h"

#include <QString>
#include <cstddef>
#include <optional>

namespace session {

// Where "Сохранить как" starts: the folder and the file name it proposes (empty: none).
struct SaveProposal {
    QString folder;
    QString fileName;
};

// What the session asks the user while carrying out a command. The window answers with its
// dialogs; tests answer from a script. Every "nullopt" is a cancelled dialog.
class SessionQuestions {
public:
    virtual ~SessionQuestions() = default;

    // "Save the changes?" before the draws are dropped; exiting says it is before the program
    // ends. True for Yes.
    virtual bool saveChangesFirst(bool exiting) = 0;
    virtual std::optional<lottery::LotteryShape> shapeOfNewLottery() = 0;
    virtual std::optional<QString> fileToOpen() = 0;
    virtual std::optional<QString> fileToSave(const SaveProposal& proposal) = 0;
    // The reading of the table at path that the user chose to import (after the preview).
    virtual std::optional<lottery::DrawTable> tableReading(const QString& path) = 0;
    // The table continues the lottery on screen: add only its newDraws new draws? True for Yes.
    virtual bool addOnlyNewDraws(std::size_t newDraws) = 0;
};

} // namespace session
