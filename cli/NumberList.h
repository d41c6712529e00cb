#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The small notations of the wheel commands.

// "1-12", "3,7,12,19" or both mixed ("1-5, 8, 10-12"): the numbers in the order written, as
// many times as written (the caller decides what a repeat means); nullopt when the text is
// not such a list or a range runs backwards.
std::optional<std::vector<int>> ParseNumberList(const std::string& text);

// "A/B" with whole numbers, as in a guarantee "4/5" or a lottery "6/49"; nullopt otherwise.
std::optional<std::pair<int, int>> ParsePair(const std::string& text);
