#include "TicketList.h"

#include "tickets/NumberLine.h"

#include <algorithm>
#include <cctype>

namespace {

std::string LineError(std::size_t line, const std::string& what) {
    return "Строка " + std::to_string(line) + ": " + what;
}

} // namespace

TicketList ParseTicketList(std::string_view text, int largestNumber, int ticketSize) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3); // a byte-order mark some editors put first
    TicketList list;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (std::none_of(line.begin(), line.end(),
                         [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
            continue;
        std::vector<int> ticket;
        const lottery::NumberLineFault fault = lottery::ReadNumberLine(line, largestNumber, ticket);
        using Kind = lottery::NumberLineFault::Kind;
        if (fault.kind == Kind::NotANumber)
            list.error = LineError(lineNumber, "«" + fault.word + "» — не число");
        else if (fault.kind == Kind::OutOfRange)
            list.error = LineError(lineNumber, "число " + std::to_string(fault.number) +
                                                   " вне 1.." + std::to_string(largestNumber));
        else if (fault.kind == Kind::Repeated)
            list.error = LineError(lineNumber, "число " + std::to_string(fault.number) + " дважды");
        else if (ticketSize != 0 && static_cast<int>(ticket.size()) != ticketSize)
            list.error = LineError(lineNumber, "чисел " + std::to_string(ticket.size()) +
                                                   ", а в билете " + std::to_string(ticketSize));
        if (!list.error.empty())
            return list;
        list.tickets.push_back(std::move(ticket));
    }
    return list;
}

std::string TicketListText(const std::vector<std::vector<int>>& tickets) {
    std::string text;
    for (const auto& ticket : tickets) {
        for (std::size_t i = 0; i < ticket.size(); ++i)
            text += (i ? "," : "") + std::to_string(ticket[i]);
        text += '\n';
    }
    return text;
}
