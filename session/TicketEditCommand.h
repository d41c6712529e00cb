#pragma once

#include "tickets/TicketEdit.h"

#include <QUndoCommand>
#include <functional>

namespace lottery {
class TicketSet;
}

// One change of the ticket set on the undo stack. Unlike the draws, the set is changed by the
// push itself: the first redo applies the edit, and every undo or redo applies what it holds
// and keeps the inverse the set hands back.
class TicketEditCommand : public QUndoCommand {
public:
    // changed is called after every apply, so the windows showing the set follow it.
    TicketEditCommand(lottery::TicketSet& set, const QString& name, lottery::TicketEdit edit,
                      std::function<void()> changed);

    void undo() override { apply(); }
    void redo() override { apply(); }

private:
    void apply();

    lottery::TicketSet& set_;
    lottery::TicketEdit next_;
    std::function<void()> changed_;
};
