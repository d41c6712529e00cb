#pragma once

#include <string>
#include <string_view>
#include <vector>

// The tickets of a text file, one a line, as the wheel command writes them and as people type
// them: numbers separated by commas, semicolons, blanks or tabs; lines without a digit
// (a header, an empty line) are passed over.
struct TicketList {
    std::vector<std::vector<int>> tickets;
    std::string error; // the first line that cannot be a ticket, in Russian; "" when none
};

// Every number must lie in 1..largestNumber and appear once in its line; when ticketSize is
// not 0 every ticket must hold exactly that many.
TicketList ParseTicketList(std::string_view text, int largestNumber, int ticketSize);

// The text ParseTicketList reads back: one ticket a line, its numbers joined by commas.
std::string TicketListText(const std::vector<std::vector<int>>& tickets);
