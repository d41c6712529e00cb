#include "tables/TableField.h"

#include "tables/TableText.h"

#include <string>

namespace lottery {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || b >= 0x80;
}

// Parses a run of digits; false when it is empty or too long to be a count of anything.
bool ParseDigits(std::string_view text, long long& value) {
    if (text.empty() || text.size() > 15)
        return false;
    value = 0;
    for (char c : text) {
        if (!IsDigit(c))
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

int FullYear(long long year, std::size_t digits) {
    if (digits == 4)
        return static_cast<int>(year);
    // Two-digit years of lottery histories: 50..99 are the last century.
    return static_cast<int>(year < 50 ? 2000 + year : 1900 + year);
}

// Months by name in the languages draw tables come in, with their usual abbreviations.
int MonthByName(std::string_view lowered) {
    if (lowered.ends_with('.'))
        lowered.remove_suffix(1);
    struct Name {
        std::string_view text;
        int month;
    };
    static constexpr Name kNames[] = {
        {"january", 1},   {"jan", 1},        {"januar", 1},    {"janvier", 1},    {"enero", 1},
        {"январь", 1},    {"января", 1},     {"янв", 1},       {"february", 2},   {"feb", 2},
        {"februar", 2},   {"février", 2},    {"fevrier", 2},   {"febrero", 2},    {"февраль", 2},
        {"февраля", 2},   {"фев", 2},        {"march", 3},     {"mar", 3},        {"märz", 3},
        {"maerz", 3},     {"mars", 3},       {"marzo", 3},     {"март", 3},       {"марта", 3},
        {"мар", 3},       {"april", 4},      {"apr", 4},       {"avril", 4},      {"abril", 4},
        {"апрель", 4},    {"апреля", 4},     {"апр", 4},       {"may", 5},        {"mai", 5},
        {"mayo", 5},      {"май", 5},        {"мая", 5},       {"june", 6},       {"jun", 6},
        {"juni", 6},      {"juin", 6},       {"junio", 6},     {"июнь", 6},       {"июня", 6},
        {"июн", 6},       {"july", 7},       {"jul", 7},       {"juli", 7},       {"juillet", 7},
        {"julio", 7},     {"июль", 7},       {"июля", 7},      {"июл", 7},        {"august", 8},
        {"aug", 8},       {"août", 8},       {"aout", 8},      {"agosto", 8},     {"август", 8},
        {"августа", 8},   {"авг", 8},        {"september", 9}, {"sep", 9},        {"sept", 9},
        {"septembre", 9}, {"septiembre", 9}, {"setiembre", 9}, {"сентябрь", 9},   {"сентября", 9},
        {"сен", 9},       {"october", 10},   {"oct", 10},      {"oktober", 10},   {"okt", 10},
        {"octobre", 10},  {"octubre", 10},   {"октябрь", 10},  {"октября", 10},   {"окт", 10},
        {"november", 11}, {"nov", 11},       {"novembre", 11}, {"noviembre", 11}, {"ноябрь", 11},
        {"ноября", 11},   {"ноя", 11},       {"december", 12}, {"dec", 12},       {"dezember", 12},
        {"dez", 12},      {"décembre", 12},  {"decembre", 12}, {"diciembre", 12}, {"декабрь", 12},
        {"декабря", 12},  {"дек", 12},
    };
    for (const Name& name : kNames)
        if (name.text == lowered)
            return name.month;
    return 0;
}

// "12.06.1982", "12/06/1982", "06/12/82", "1982-06-12", "2019.08.17", "12-06-1982".
bool ParseNumericDate(std::string_view text, TableField& field) {
    const std::size_t first = text.find_first_of("./-");
    if (first == std::string_view::npos)
        return false;
    const char sep = text[first];
    const std::size_t second = text.find(sep, first + 1);
    if (second == std::string_view::npos || text.find(sep, second + 1) != std::string_view::npos)
        return false;
    const std::string_view a = text.substr(0, first);
    const std::string_view b = text.substr(first + 1, second - first - 1);
    const std::string_view c = text.substr(second + 1);
    long long va = 0, vb = 0, vc = 0;
    if (!ParseDigits(a, va) || !ParseDigits(b, vb) || !ParseDigits(c, vc) || b.size() > 2)
        return false;
    if (a.size() == 4 && c.size() <= 2) {
        field.kind = TableField::Kind::Date;
        field.dateKey = DateKey(static_cast<int>(va), static_cast<int>(vb), static_cast<int>(vc));
    } else if (a.size() <= 2 && (c.size() == 4 || (c.size() == 2 && sep != '-'))) {
        const int year = FullYear(vc, c.size());
        field.kind = TableField::Kind::Date;
        if (sep == '/') {
            field.dateForm = TableField::DateForm::DayOrMonthFirst;
            field.dateA = static_cast<int>(va);
            field.dateB = static_cast<int>(vb);
            field.dateYear = year;
            // The key waits for the column's verdict; here only "readable either way or not".
            const bool readable = DateKey(year, static_cast<int>(vb), static_cast<int>(va)) != 0 ||
                                  DateKey(year, static_cast<int>(va), static_cast<int>(vb)) != 0;
            field.dateKey = readable ? 1 : 0;
        } else {
            field.dateKey = DateKey(year, static_cast<int>(vb), static_cast<int>(va));
        }
    } else {
        return false;
    }
    if (field.dateKey == 0)
        field.kind = TableField::Kind::BadDate;
    return true;
}

// "June 12, 1982", "12 June 1982", "12-Jun-1982", "Sat, 12 Jun 1982".
bool ParseNamedDate(std::string_view text, TableField& field) {
    // Exactly two runs of digits and a letter, or no date: told before any copy is made.
    int digitRuns = 0;
    bool letter = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        digitRuns += IsDigit(text[i]) && (i == 0 || !IsDigit(text[i - 1]));
        letter = letter || IsLetter(text[i]);
    }
    if (digitRuns != 2 || !letter)
        return false;
    const std::string lowered = LowerText(text);
    int month = 0, monthWords = 0, otherWords = 0;
    long long numbers[3] = {};
    std::size_t digitsOf[3] = {};
    int numberCount = 0;
    std::size_t i = 0;
    while (i < lowered.size()) {
        const std::size_t start = i;
        if (IsDigit(lowered[i])) {
            while (i < lowered.size() && IsDigit(lowered[i]))
                ++i;
            if (numberCount == 3)
                return false;
            if (!ParseDigits(std::string_view(lowered).substr(start, i - start),
                             numbers[numberCount]))
                return false;
            digitsOf[numberCount++] = i - start;
        } else if (IsLetter(lowered[i])) {
            while (i < lowered.size() && (IsLetter(lowered[i]) || lowered[i] == '.'))
                ++i;
            const int found = MonthByName(std::string_view(lowered).substr(start, i - start));
            if (found != 0)
                month = found, ++monthWords;
            else
                ++otherWords;
        } else {
            ++i;
        }
    }
    if (numberCount != 2 || monthWords + otherWords == 0)
        return false;
    const int yearAt = digitsOf[0] == 4 ? 0 : digitsOf[1] == 4 ? 1 : -1;
    if (yearAt < 0 || digitsOf[1 - yearAt] > 2)
        return false;
    field.kind = TableField::Kind::BadDate;
    if (monthWords == 1)
        field.dateKey = DateKey(static_cast<int>(numbers[yearAt]), month,
                                static_cast<int>(numbers[1 - yearAt]));
    if (field.dateKey != 0)
        field.kind = TableField::Kind::Date;
    return true;
}

// Several small numbers separated by blanks, commas or dashes (never tabs: a tab always
// separates fields); those after a plus are a bonus.
bool ParsePacked(std::string_view text, TableField& field) {
    int count = 0, beforePlus = -1;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            const std::size_t start = i;
            while (i < text.size() && IsDigit(text[i]))
                ++i;
            long long value = 0;
            if (i - start > 3 || count == TableField::kMaxPacked ||
                !ParseDigits(text.substr(start, i - start), value))
                return false;
            field.numbers[static_cast<std::size_t>(count++)] = static_cast<std::uint16_t>(value);
        } else if (text[i] == '+' && beforePlus < 0 && count > 0) {
            beforePlus = count;
            ++i;
        } else if (text[i] == ' ' || text[i] == ',' || text[i] == '-') {
            ++i;
        } else {
            return false;
        }
    }
    if (count < 2)
        return false;
    field.kind = TableField::Kind::Numbers;
    field.count = static_cast<std::uint8_t>(beforePlus < 0 ? count : beforePlus);
    field.extraCount = static_cast<std::uint8_t>(count - field.count);
    return true;
}

// "12,0", "3.5", "7,00", "0,125": one point or comma between digits, read as a decimal fraction
// where a pair of balls would not be written so: a point, or after the comma one digit, three or
// more, or "00". ("18,04" stays a pair of numbers.)
bool IsFraction(std::string_view text) {
    const std::size_t mark = text.find_first_of(".,");
    if (mark == std::string_view::npos || mark == 0 || mark + 1 >= text.size())
        return false;
    const std::string_view whole = text.substr(0, mark), part = text.substr(mark + 1);
    const auto digitsOnly = [](std::string_view t) {
        return t.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!digitsOnly(whole) || !digitsOnly(part))
        return false;
    return text[mark] == '.' || part.size() != 2 || part == "00";
}

} // namespace

int DateKey(int year, int month, int day) {
    if (year < 1800 || year > 2200 || month < 1 || month > 12 || day < 1 || day > 31)
        return 0;
    return year * 10000 + month * 100 + day;
}

TableField ParseTableField(std::string_view text) {
    TableField field;
    if (text.empty())
        return field;
    std::string_view digits = text;
    if (digits.size() > 1 && digits.back() == '.')
        digits.remove_suffix(1); // an ordinal such as "17."
    if (ParseDigits(digits, field.value)) {
        field.kind = TableField::Kind::Number;
        field.count = 1;
        field.numbers[0] = static_cast<std::uint16_t>(std::min(field.value, 65535LL));
        if (text.size() == 8) {
            const int key = DateKey(static_cast<int>(field.value / 10000),
                                    static_cast<int>(field.value / 100 % 100),
                                    static_cast<int>(field.value % 100));
            if (key != 0)
                field.kind = TableField::Kind::Date, field.dateKey = key;
        }
        return field;
    }
    // A date may carry a time of day after a blank.
    const std::size_t blank = text.find(' ');
    const std::string_view head = text.substr(0, blank);
    if (ParseNumericDate(head, field))
        return field;
    field = {};
    if (IsFraction(text)) {
        field.kind = TableField::Kind::Fraction;
        return field;
    }
    if (ParsePacked(text, field))
        return field;
    field = {};
    if (ParseNamedDate(text, field))
        return field;
    field = {};
    field.kind = TableField::Kind::Text;
    return field;
}

} // namespace lottery
