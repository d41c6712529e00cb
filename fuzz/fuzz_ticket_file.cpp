// Feeds arbitrary bytes to the ticket-set reader, as a file of its own and for a 6/49 lottery.
// Whatever it accepts must be tickets of the set's shape, and writing the set must read back
// to the same set.
#include "tickets/TicketFile.h"

#include <cstdlib>
#include <string_view>

using namespace lottery;

namespace {

void Check(const TicketFileRead& read) {
    if (!read.usable()) {
        if (read.error.empty())
            std::abort();
        return;
    }
    for (const Ticket& ticket : read.set.tickets())
        if (!ticket.fits(read.set.shape()))
            std::abort();
    const TicketFileRead again = ReadTicketText(TicketFileText(read.set), read.set.shape());
    if (!again.usable() || !(again.set == read.set))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(ReadTicketText(bytes));
    Check(ReadTicketText(bytes, LotteryShape{6, 49}));
    return 0;
}
