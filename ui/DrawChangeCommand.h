#pragma once

#include "DrawChange.h"

#include <QString>
#include <QUndoCommand>

namespace lottery {
class LotteryDocument;
}

// One change of the draws on the undo stack. The document has already made the change when
// the command is pushed; undo and redo apply the inverse the document handed back.
class DrawChangeCommand : public QUndoCommand {
public:
    DrawChangeCommand(lottery::LotteryDocument& document, const QString& name,
                      lottery::DrawChange inverse);

    void undo() override;
    void redo() override;

    // The names the undo and redo items show after "Отменить" / "Повторить".
    static QString RecordName();
    static QString DeleteName(int count);
    static QString EditName();
    static QString AppendName(int count);

private:
    lottery::LotteryDocument& document_;
    lottery::DrawChange inverse_;
    bool done_ = true; // the first redo, by the push, finds the change made
};
