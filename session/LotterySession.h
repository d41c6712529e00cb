#pragma once

#include "lottery/DocumentListener.h"
#include "lottery/LotteryDocument.h"
#include "session/SessionQuestions.h"
#include "storage/FileSystem.h"
#include "tickets/TicketSet.h"

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <map>
#include <utility>
#include <vector>

class QUndoCommand;

namespace session {

// The user's commands on the one lottery: it owns the document, the undo history and the file
// system, asks its questions through SessionQuestions and announces what changed. Windows call
// a method and connect to the signals; nothing else changes the draws or makes an undo step.
//
// A new command is one method here (asking through SessionQuestions, pushing its step with
// addStep), one action in a window that calls it, and one test in tests/session.
class LotterySession : public QObject {
    Q_OBJECT
public:
    explicit LotterySession(SessionQuestions& questions,
                            lottery::FileSystem& fs = lottery::SystemFileSystem(),
                            QObject* parent = nullptr);
    ~LotterySession() override;

    const lottery::LotteryDocument& document() const { return document_; }
    // The card and the home draw are no steps of the history: the draw-entry page marks and
    // plays on the document itself.
    lottery::LotteryDocument& document() { return document_; }
    // For the undo and redo actions of the windows.
    QUndoStack& undoStack() { return undoStack_; }
    // Every file goes through fs; tests put a fault-injecting one here.
    void setFileSystem(lottery::FileSystem& fs) { fileSystem_ = &fs; }

    // --- files. A command that ends with an error throws; the window reports it.
    // The lottery the program starts with; no question, no step.
    void start(lottery::LotteryShape shape);
    // New: settle unsaved changes, ask the shape, start the lottery.
    void newLottery();
    // Open: settle unsaved changes, ask the file, open it (a draw table is imported).
    void open();
    // A file named on the command line: opened without a question.
    void openFile(const QString& path);
    // A file dropped on the window: settle unsaved changes, then open it.
    void openDropped(const QString& path);
    // Save: rewrites the named file, or asks a name as Save As does. False when the user
    // cancelled.
    bool save();
    // Save As: asks a file; a database is written and names the lottery; with the table filter
    // a table gets a copy of the draws (the lottery keeps its name and its changes). True when
    // a file was written; false when the user cancelled.
    bool saveAs();
    // Before the program ends: asks about unsaved changes and saves on Yes. False when the
    // program must stay: the save was cancelled. A failing save throws.
    bool mayClose();
    // Where Save As starts: the folder of the current file; the file's name, the table's name
    // with ".dat" after an import, nothing for a new lottery.
    SaveProposal saveProposal() const;

    // --- the draws, each an undo step
    // The full card as a draw.
    void recordCard();
    // The draws at these rows (a stray or repeated row is ignored); nothing when none is left.
    void deleteDraws(const std::vector<int>& rows);
    // The draw at row replaced by record; nothing when they are equal.
    void replaceDraw(int row, const lottery::DrawRecord& record);
    // Draws at the end as one step; nothing when there are none.
    void appendDraws(std::vector<lottery::DrawRecord> draws);
    // --- the user's ticket set for the lottery's shape, each change an undo step
    const lottery::TicketSet& ticketSet() const { return ticketSet_; }
    // Applies the edit as one step named `name` ("Отменить <name>"). An edit the set refuses,
    // or one that changes nothing, is no step: returns false.
    bool editTicketSet(const lottery::TicketEdit& edit, const QString& name);
    // --- the set's file. Who answers the set's questions (the ticket window's owner); with
    // none, a changed set is dropped without asking.
    void setTicketSetQuestions(TicketSetQuestions* questions) { ticketQuestions_ = questions; }
    // Empty until the set is saved or opened from our own file.
    const QString& ticketSetPath() const { return ticketSetPath_; }
    // Changed since last opened or saved; undone back to that state it is unchanged again.
    bool ticketSetUnsaved() const { return !(ticketSet_ == savedTicketSet_); }
    // Reads a set of this lottery (our file, or a table of tickets) and takes it as one step.
    // Throws with the reason (Russian) when it cannot be used; the set stays as it was.
    void openTicketSet(const QString& path);
    // Writes the set whole or not at all and names it by the file; a failing write throws.
    void saveTicketSetAs(const QString& path);
    // Before the set is replaced by another file: asks about unsaved changes and saves on Yes.
    // False when the user cancelled; a failing save throws.
    bool settleTicketSet();

    void undo() { undoStack_.undo(); }
    void redo() { undoStack_.redo(); }
    // Any other undoable change (a later kind of data): pushed as it is, so its redo() makes
    // the change, as Qt's undo commands do. The session owns it from here on; starting or
    // opening a lottery empties the history.
    void addStep(QUndoCommand* step);

signals:
    // What the document reports, for the windows.
    void lotteryStarted(lottery::LotteryShape shape);
    void drawsReplaced();
    void drawsEdited(int first, int removed, int inserted);
    void fileNamed(const QString& title);
    void changedFlagChanged(bool changed);
    // A command or an undo step is done and changed what the statistics show.
    void lotteryChanged();
    // The ticket set changed: an edit, its undo or redo, or another shape's set came in.
    void ticketSetChanged();
    // The set was opened or saved: its name or its "changed" may differ.
    void ticketSetFileNamed();

private:
    // Passes what the document reports on as the signals above.
    class Relay : public lottery::DocumentListener {
    public:
        explicit Relay(LotterySession& session) : session_(session) {}
        void lotteryStarted(lottery::LotteryShape shape) override;
        void drawsReplaced() override;
        void drawsEdited(int first, int removed, int inserted) override;
        void fileNamed(const std::string& title) override;
        void changedFlagChanged(bool changed) override;

    private:
        LotterySession& session_;
    };

    // Before the draws are dropped: false when the user answered Yes but the save did not
    // happen, so the command stops.
    bool settleUnsavedChanges(bool exiting);
    // A set with the file it came from and its content there, to tell unsaved changes.
    struct KeptTicketSet {
        lottery::TicketSet set;
        lottery::TicketSet saved;
        QString path;
    };
    // Asks about one set (this lottery's or one kept aside) and saves it on Yes.
    bool settleTicketSet(KeptTicketSet& kept);
    // Save and Save As; databaseOnly when the draws are dropped after the save.
    bool saveDocument(bool databaseOnly);
    bool saveAsAsked(bool databaseOnly);
    void openPath(const QString& path);
    void importTable(const QString& path);
    // A lottery of another shape keeps the set of this one aside and takes back its own, so no
    // set is dropped by opening another lottery.
    void followShape(lottery::LotteryShape shape);

    SessionQuestions& questions_;
    lottery::FileSystem* fileSystem_;
    Relay relay_{*this};
    lottery::LotteryDocument document_;
    lottery::TicketSet ticketSet_;
    lottery::TicketSet savedTicketSet_;
    QString ticketSetPath_;
    TicketSetQuestions* ticketQuestions_ = nullptr;
    std::map<std::pair<int, int>, KeptTicketSet> setsOfOtherShapes_;
    // After the document and the set: it goes first, with the steps that refer to them.
    QUndoStack undoStack_;
    // What Save As proposes for an unnamed lottery, and where it opens.
    QString unnamedProposal_;
    QString folder_;
};

} // namespace session
