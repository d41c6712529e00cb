#include "TicketList.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

bool IsSeparator(char c) {
    return c == ',' || c == ';' || c == ' ' || c == '\t' || c == '\r';
}

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
        for (std::size_t at = 0; at < line.size();) {
            if (IsSeparator(line[at])) {
                ++at;
                continue;
            }
            std::size_t stop = at;
            while (stop < line.size() && !IsSeparator(line[stop]))
                ++stop;
            const std::string_view token = line.substr(at, stop - at);
            int number = 0;
            const auto [parsed, error] =
                std::from_chars(token.data(), token.data() + token.size(), number);
            if (error != std::errc() || parsed != token.data() + token.size()) {
                list.error = LineError(lineNumber, "«" + std::string(token) + "» — не число");
                return list;
            }
            if (number < 1 || number > largestNumber) {
                list.error = LineError(lineNumber, "число " + std::to_string(number) + " вне 1.." +
                                                       std::to_string(largestNumber));
                return list;
            }
            if (std::find(ticket.begin(), ticket.end(), number) != ticket.end()) {
                list.error = LineError(lineNumber, "число " + std::to_string(number) + " дважды");
                return list;
            }
            ticket.push_back(number);
            at = stop;
        }
        if (ticketSize != 0 && static_cast<int>(ticket.size()) != ticketSize) {
            list.error = LineError(lineNumber, "чисел " + std::to_string(ticket.size()) +
                                                   ", а в билете " + std::to_string(ticketSize));
            return list;
        }
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
