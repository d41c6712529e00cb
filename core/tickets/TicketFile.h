#pragma once

#include "lottery/LotteryShape.h"
#include "storage/FileSystem.h"
#include "tickets/TicketSet.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lottery {

// The outcome of reading a file of tickets: the set, or why it cannot be used (Russian).
struct TicketFileRead {
    std::string error;
    TicketSet set;
    bool fromTable = false; // read as a table of tickets rather than our own format

    bool usable() const { return error.empty(); }
};

// One ticket as typed or as a line of the file: K distinct numbers of 1..N parted by blanks,
// commas or semicolons. Returns the reason (Russian) it is refused, or empty with the ticket set.
std::string ParseTicket(std::string_view text, LotteryShape shape, Ticket& ticket);

// The first line of our own format, "# Жребикон: набор билетов 6 из 49".
std::string TicketFileHeader(LotteryShape shape);

// Reads our own format (known by its first line) or else a table of tickets through the draw
// table reader. Strict: a line that is not understood refuses the whole file with its number
// and reason. A set of another shape than `lottery` (when given) is refused as well, and a
// table is read as tickets of that shape.
TicketFileRead ReadTicketText(std::string_view bytes,
                              std::optional<LotteryShape> lottery = std::nullopt);

// The whole file: the header, the prices, one ticket a line.
std::string TicketFileText(const TicketSet& set);

// Reads a file at most a few megabytes long; an unreadable file is an error like any other.
TicketFileRead ReadTicketFile(const std::string& path,
                              std::optional<LotteryShape> lottery = std::nullopt,
                              FileSystem& fs = SystemFileSystem());
// Whole or nothing, through the atomic writer; throws IoError.
void WriteTicketFile(const std::string& path, const TicketSet& set,
                     FileSystem& fs = SystemFileSystem());

} // namespace lottery
