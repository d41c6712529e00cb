#pragma once

#include <QString>

namespace lottery {
class LotteryDocument;
class RandomSource;
class TicketSet;
struct TicketEdit;
} // namespace lottery

// What the ticket window needs from the program: the lottery it follows, the set it shows, the
// one place that turns an edit of the set into a step of the undo history, and the generator of
// the play mode's home draw.
class TicketSetHost {
public:
    virtual ~TicketSetHost() = default;
    virtual const lottery::LotteryDocument& document() const = 0;
    virtual const lottery::TicketSet& ticketSet() const = 0;
    // Applies the edit as one step named `name` ("Отменить <name>"); an edit the set refuses
    // changes nothing and is no step.
    virtual void editTicketSet(const lottery::TicketEdit& edit, const QString& name) = 0;
    virtual lottery::RandomSource& random() = 0;
};
