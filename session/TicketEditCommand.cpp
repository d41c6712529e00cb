#include "session/TicketEditCommand.h"

#include "tickets/TicketSet.h"

TicketEditCommand::TicketEditCommand(lottery::TicketSet& set, const QString& name,
                                     lottery::TicketEdit edit, std::function<void()> changed)
    : set_(set), next_(std::move(edit)), changed_(std::move(changed)) {
    setText(name);
}

void TicketEditCommand::apply() {
    next_ = set_.Apply(next_);
    if (changed_)
        changed_();
}
