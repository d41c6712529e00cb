#pragma once

#include "lottery/DrawEdit.h"

#include <QString>
#include <QUndoCommand>
#include <vector>

namespace lottery {
class LotteryDocument;
}

// One change of the draws on the undo stack. The document has already made the change when
// the command is pushed; it holds the edits that take it back, and each undo or redo applies
// what it holds and keeps what the document hands back.
class DrawEditCommand : public QUndoCommand {
public:
    DrawEditCommand(lottery::LotteryDocument& document, const QString& name,
                    std::vector<lottery::DrawEdit> inverse);

    void undo() override;
    void redo() override;

    // The names the undo and redo items show after "Отменить" / "Повторить".
    static QString RecordName();
    static QString DeleteName(int count);
    static QString EditName();
    static QString AppendName(int count);

private:
    void apply();

    lottery::LotteryDocument& document_;
    std::vector<lottery::DrawEdit> next_; // in the order to apply them
    bool done_ = true;                    // the first redo, by the push, finds the change made
};
