#pragma once

#include "lottery/LotteryDocument.h"
#include "lottery/RandomSource.h"
#include "tickets/FrmTickets.h"
#include "tickets/TicketSet.h"
#include "tickets/TicketSetHost.h"

#include <vector>

// The window "Билеты" over a lottery of random 6/49 draws, with the program's side played by
// a host that counts every edit as a step and can take them back; the set's file kept as the
// program keeps it.
class TicketWindowFixture {
public:
    struct Host : TicketSetHost {
        // draws past draws drawn from seed, open before the window is made, as in the program.
        Host(int draws, unsigned seed);

        lottery::LotteryDocument lottery;
        lottery::TicketSet set{{6, 49}};
        lottery::LcgRandom generator{21};
        std::vector<lottery::TicketEdit> undo;
        lottery::TicketSet saved{{6, 49}};
        QString path;
        FrmTickets* window = nullptr;

        const lottery::LotteryDocument& document() const override { return lottery; }
        const lottery::TicketSet& ticketSet() const override { return set; }
        void editTicketSet(const lottery::TicketEdit& edit, const QString& name) override;
        lottery::RandomSource& random() override { return generator; }
        QString ticketSetPath() const override { return path; }
        bool ticketSetChanged() const override { return !(set == saved); }
        QString openTicketSet(const QString& file) override;
        QString saveTicketSet(const QString& file) override;
        bool mayReplaceTicketSet() override { return true; }
    };

    // None leaves the lottery empty.
    explicit TicketWindowFixture(int draws = 0, unsigned seed = 5);

    // Takes back the last step as the program's undo does.
    void undoLast();

    Host host;
    FrmTickets window{host};
};
