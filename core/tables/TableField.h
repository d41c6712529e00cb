#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace lottery {

// What one field of a table holds, as far as reading draws needs to know.
struct TableField {
    enum class Kind : std::uint8_t {
        Empty,
        Number,   // one whole number ("7", "07", "1234."); value holds it
        Numbers,  // several small numbers in one field ("3,12,18", "03 12 18", "3-12-18+7")
        Date,     // a date; see dateForm
        BadDate,  // looks like a date but cannot be read ("Febraury 3, 1990")
        Fraction, // a decimal fraction ("12,0", "3.5"): no lottery number
        Text,
    };
    // How the parts of a date are to be taken.
    enum class DateForm : std::uint8_t {
        Known,           // dateKey is year*10000 + month*100 + day
        DayOrMonthFirst, // a/b/year: the column decides whether a is the day or the month
    };

    static constexpr int kMaxPacked = 16;

    Kind kind = Kind::Empty;
    DateForm dateForm = DateForm::Known;
    std::uint8_t count = 0;      // numbers held (Number: 1), without those after a '+'
    std::uint8_t extraCount = 0; // numbers after a '+' ("3-12-18+7"): a bonus, kept after count
    long long value = 0;
    std::array<std::uint16_t, kMaxPacked> numbers{};
    int dateKey = 0;
    int dateA = 0, dateB = 0, dateYear = 0;

    bool isNumeric() const { return kind == Kind::Number || kind == Kind::Numbers; }
    bool isDate() const { return kind == Kind::Date || kind == Kind::BadDate; }
};

TableField ParseTableField(std::string_view text);

// The date key of a/b/year when a is the day (dayFirst) or the month; 0 when impossible.
int DateKey(int year, int month, int day);

} // namespace lottery
