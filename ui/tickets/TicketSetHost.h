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

    // The set's file is the program's, so that closing it can ask about unsaved changes.
    // Empty until saved or opened from our own file.
    virtual QString ticketSetPath() const = 0;
    virtual bool ticketSetChanged() const = 0;
    // Reads a set and takes it as one step; the reason when it cannot be used, empty when taken.
    virtual QString openTicketSet(const QString& path) = 0;
    // Writes the set whole or not at all; the reason when it failed, empty when written.
    virtual QString saveTicketSet(const QString& path) = 0;
    // Before another file replaces the set: asks about its unsaved changes; false to stay.
    virtual bool mayReplaceTicketSet() = 0;
};
