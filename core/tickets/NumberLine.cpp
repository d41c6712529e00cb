#include "tickets/NumberLine.h"

#include <algorithm>
#include <charconv>

namespace lottery {
namespace {

bool IsSeparator(char c) {
    return c == ',' || c == ';' || c == ' ' || c == '\t' || c == '\r';
}

} // namespace

NumberLineFault ReadNumberLine(std::string_view line, int largest, std::vector<int>& numbers) {
    numbers.clear();
    for (std::size_t at = 0; at < line.size();) {
        if (IsSeparator(line[at])) {
            ++at;
            continue;
        }
        std::size_t stop = at;
        while (stop < line.size() && !IsSeparator(line[stop]))
            ++stop;
        const std::string_view word = line.substr(at, stop - at);
        at = stop;
        long long number = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
        if (error != std::errc() || end != word.data() + word.size())
            return {NumberLineFault::Kind::NotANumber, std::string(word)};
        if (number < 1 || number > largest)
            return {NumberLineFault::Kind::OutOfRange, std::string(word), number};
        if (std::find(numbers.begin(), numbers.end(), number) != numbers.end())
            return {NumberLineFault::Kind::Repeated, std::string(word), number};
        numbers.push_back(static_cast<int>(number));
    }
    return {};
}

} // namespace lottery
