#include "NumberList.h"

#include <charconv>

namespace {

// A whole number of at most 4 digits (nothing of ours is larger), the whole of text.
std::optional<int> ParseWhole(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    int value = 0;
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::vector<int>> ParseNumberList(const std::string& text) {
    std::vector<int> numbers;
    std::string_view rest = text;
    while (true) {
        const std::size_t comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        const std::size_t dash = item.find('-');
        const auto first = ParseWhole(item.substr(0, dash));
        const auto last =
            dash == std::string_view::npos ? first : ParseWhole(item.substr(dash + 1));
        if (!first || !last || *last < *first)
            return std::nullopt;
        for (int n = *first; n <= *last; ++n)
            numbers.push_back(n);
        if (comma == std::string_view::npos)
            return numbers;
        rest.remove_prefix(comma + 1);
    }
}

std::optional<std::pair<int, int>> ParsePair(const std::string& text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos)
        return std::nullopt;
    const auto a = ParseWhole(std::string_view(text).substr(0, slash));
    const auto b = ParseWhole(std::string_view(text).substr(slash + 1));
    if (!a || !b)
        return std::nullopt;
    return std::pair(*a, *b);
}
