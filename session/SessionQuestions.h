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
    // Asked by the save question before the draws are dropped: only a database keeps the work
    // (a table copy would leave it unsaved), so no table filter is offered.
    bool databaseOnly = false;
};

// The file chosen in "Сохранить как": a database, or a copy of the draws as a table when the
// table filter was chosen.
struct SaveTarget {
    QString path;
    bool tableCopy = false;
};

// What to do with a table that continues the lottery on screen.
enum class TableUpdate {
    AddNewDraws,    // keep the lottery, add the draws after the overlap
    ReplaceLottery, // the table becomes a new unnamed lottery
    Cancel,         // nothing changes
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
    virtual std::optional<SaveTarget> fileToSave(const SaveProposal& proposal) = 0;
    // The reading of the table at path that the user chose to import (after the preview).
    virtual std::optional<lottery::DrawTable> tableReading(const QString& path) = 0;
    // The table begins with the last alreadyThere draws of the lottery on screen and goes on
    // with newDraws more.
    virtual TableUpdate tableUpdate(std::size_t alreadyThere, std::size_t newDraws) = 0;
    // Every draw of the table is already in the lottery on screen: nothing was changed.
    virtual void noNewDraws() {}
};

// A changed ticket set about to be dropped: its file's name (empty: never saved) and lottery.
struct UnsavedTicketSet {
    QString fileName;
    lottery::LotteryShape shape;
};

enum class SaveAnswer { Save, Discard, Cancel };

// The ticket set's own questions. Unlike the draws, dropping a set may be cancelled: the set
// is no document the program must end with. The ticket window's owner answers them.
class TicketSetQuestions {
public:
    virtual ~TicketSetQuestions() = default;

    virtual SaveAnswer saveTicketSetFirst(const UnsavedTicketSet& set) = 0;
    // Where a set that has no file yet is saved; nullopt when cancelled.
    virtual std::optional<QString> ticketSetFileToSave(const UnsavedTicketSet& set) = 0;
};

} // namespace session
