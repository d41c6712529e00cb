#pragma once

#include <string>

namespace wording {

// The three Russian forms of a noun after a number: one ("1 тираж"), few ("2 тиража") and many
// ("5 тиражей").
struct NounForms {
    const char* one;
    const char* few;
    const char* many;
};

// The form that agrees with count: the first after 1, the second after 2..4, the third
// otherwise, and the third after 11..14 whatever the last digit ("21 тираж", "12 тиражей").
const char* AgreeingForm(long long count, const NounForms& forms);

// The count in groups of three digits and the agreeing noun: "1 579 тиражей".
std::string CountOf(long long count, const NounForms& forms);

// A whole number in groups of three digits, joined by the one separator every text of the
// program uses.
std::string GroupedNumber(long long value);

// A decimal number with `decimals` digits after a decimal comma, grouped like GroupedNumber:
// "1 579,1".
std::string GroupedDecimal(double value, int decimals);

// The separator of the digit groups: a narrow no-break space, so a number is never split across
// two lines.
inline constexpr const char* kGroupSeparator = "\u202F";

} // namespace wording
