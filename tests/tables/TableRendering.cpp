#include "TableRendering.h"

#include <algorithm>
#include <array>
#include <ctime>

namespace lottery::test {
namespace {

struct Language {
    const char *date, *drawNo, *number, *numbers, *bonus, *prize, *winners, *weekday;
};
// Index-suffixed number names; the last languages are ones the reader has no words for.
const Language kLanguages[] = {
    {"Date", "Draw", "Num", "Numbers", "Bonus", "Prize", "Winners", "Saturday"},
    {"Дата", "Тираж", "Число ", "Числа", "Доп. шар", "Приз", "Победителей", "Суббота"},
    {"Datum", "Ziehung", "Zahl ", "Gewinnzahlen", "Zusatzzahl", "Jackpot", "Gewinner", "Samstag"},
    {"日付", "回", "数字", "当選番号", "ボーナス", "賞金", "当選者", "土曜日"},
    {"תאריך", "הגרלה", "מספר ", "מספרים", "בונוס", "פרס", "זוכים", "שבת"},
};

int Pick(std::mt19937& rng, int n) {
    return static_cast<int>(rng() % static_cast<unsigned>(n));
}
bool Chance(std::mt19937& rng, int percent) {
    return Pick(rng, 100) < percent;
}
std::string Two(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string DateText(int form, const std::tm& t) {
    static const char* kMonths[] = {"January",   "February", "March",    "April",
                                    "May",       "June",     "July",     "August",
                                    "September", "October",  "November", "December"};
    const int y = t.tm_year + 1900, m = t.tm_mon + 1, d = t.tm_mday;
    switch (form) {
    case 1:
        return std::to_string(y) + "-" + Two(m) + "-" + Two(d);
    case 2:
        return Two(d) + "." + Two(m) + "." + std::to_string(y);
    case 3:
        return Two(d) + "." + Two(m) + "." + Two(y % 100);
    case 4:
        return Two(m) + "/" + Two(d) + "/" + std::to_string(y);
    case 5:
        return Two(d) + "/" + Two(m) + "/" + std::to_string(y);
    case 6:
        return std::to_string(y) + Two(m) + Two(d);
    case 7:
        return std::string(kMonths[m - 1]) + " " + std::to_string(d) + ", " + std::to_string(y);
    default:
        return std::to_string(y) + "." + Two(m) + "." + Two(d);
    }
}

// UTF-8 to UTF-16 (little or big endian), with its byte-order mark.
std::string Utf16(const std::string& text, bool big) {
    std::string out = big ? "\xFE\xFF" : "\xFF\xFE";
    const auto put = [&](unsigned unit) {
        const char hi = static_cast<char>(unit >> 8), lo = static_cast<char>(unit & 0xFF);
        out += big ? hi : lo;
        out += big ? lo : hi;
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        unsigned code = length == 1 ? b : b & (0xFF >> (length + 1));
        for (int k = 1; k < length; ++k)
            code = (code << 6) |
                   (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3F);
        i += static_cast<std::size_t>(length);
        if (code >= 0x10000) {
            put(0xD800 + ((code - 0x10000) >> 10));
            put(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            put(code);
        }
    }
    return out;
}

// UTF-8 holding only ASCII and Cyrillic to Windows-1251; nullopt for anything else.
std::optional<std::string> Cp1251(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            out += text[i];
            continue;
        }
        if ((b != 0xD0 && b != 0xD1) || i + 1 >= text.size())
            return std::nullopt;
        const unsigned code = ((b & 0x1F) << 6) | (static_cast<unsigned char>(text[++i]) & 0x3F);
        if (code < 0x410 || code > 0x44F)
            return std::nullopt;
        out += static_cast<char>(0xC0 + (code - 0x410));
    }
    return out;
}

} // namespace

Rendering RenderHistory(const History& history, std::mt19937& rng) {
    Rendering r;
    const int K = history.shape.K, N = history.shape.N;
    r.shape = history.shape;
    const std::size_t total = history.draws.size();
    // Short excerpts as often as long stretches: N must then be guessed, counters stay small.
    const std::size_t length = std::min<std::size_t>(
        total, 30 + static_cast<std::size_t>(Pick(rng, Chance(rng, 50) ? 90 : 1500)));
    const std::size_t from =
        static_cast<std::size_t>(Pick(rng, static_cast<int>(total - length + 1)));

    const char sep = ",;\t "[Pick(rng, 4)];
    const bool quoteAll = Chance(rng, 20), newestFirst = Chance(rng, 50), sorted = Chance(rng, 50);
    // Rows of two draws come as two packed fields, as such lotteries publish them.
    const bool packed = history.twoFields || Chance(rng, 35), twoPerDate = Chance(rng, 15);
    const char packSep = " ,-"[Pick(rng, 3)];
    const int bonus = history.twoFields ? 0 : Pick(rng, 4); // none, same drum, 1..10, 1..N
    const bool bonusInField = packed && bonus > 0 && Chance(rng, 50);
    const int dateForm = Chance(rng, 30) ? 0 : 1 + Pick(rng, 8); // 0: none
    const bool drawNo = Chance(rng, 50), weekday = Chance(rng, 20);
    // Winners' counts are small numbers: kept apart from the draw by the prize, as published.
    const bool prize = Chance(rng, 30), winners = prize && Chance(rng, 50);
    const int header = Pick(rng, 3); // none, whole, partial
    const Language& words = kLanguages[Pick(rng, std::size(kLanguages))];
    const int fields = history.twoFields ? 2 : 1;
    r.layout = std::string("sep '") + sep + "' quote " + std::to_string(quoteAll) + " newest " +
               std::to_string(newestFirst) + " sorted " + std::to_string(sorted) + " packed " +
               std::to_string(packed) + packSep + " bonus " + std::to_string(bonus) +
               (bonusInField ? "+" : "") + " date " + std::to_string(dateForm) +
               (twoPerDate ? "x2" : "") + " drawNo " + std::to_string(drawNo) + " header " +
               std::to_string(header) + " " + words.date + " from " + std::to_string(from) +
               " length " + std::to_string(length);

    const auto quote = [&](const std::string& text) {
        const bool needs = quoteAll || text.find(sep) != std::string::npos ||
                           (sep == ' ' && text.find(' ') != std::string::npos);
        return needs ? "\"" + text + "\"" : text;
    };
    const auto join = [&](const std::vector<std::string>& cells) {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i)
            line += (i ? std::string(1, sep) : std::string()) + quote(cells[i]);
        return line;
    };

    std::vector<std::string> lines;
    for (int t = Pick(rng, 3); t > 0; --t)
        lines.push_back(t == 1 ? "Результаты тиражей" : "Archive of past draws — page 1");
    if (header > 0) {
        std::vector<std::string> names;
        if (drawNo)
            names.push_back(words.drawNo);
        if (dateForm)
            names.push_back(words.date);
        if (weekday)
            names.push_back("Wochentag");
        if (header == 2) {
            names.push_back(words.numbers); // standing over every column after it
        } else {
            for (int f = 0; f < fields; ++f)
                for (int i = 1; i <= (packed ? 1 : K); ++i)
                    names.push_back(words.number + std::to_string(f * K + i));
            if (bonus > 0 && !bonusInField)
                names.push_back(words.bonus);
            if (prize)
                names.push_back(words.prize);
            if (winners)
                names.push_back(words.winners);
        }
        lines.push_back(join(names));
    }

    std::tm day{};
    day.tm_year = 85 + Pick(rng, 25);
    day.tm_mon = Pick(rng, 12);
    day.tm_mday = 1 + Pick(rng, 28);
    day.tm_hour = 12;
    const long long firstNo = Chance(rng, 50) ? 1 : 100 + Pick(rng, 3000);
    std::vector<std::string> rows(length);
    for (std::size_t i = 0; i < length; ++i) {
        if (!(twoPerDate && i % 2 == 1))
            day.tm_mday += 3 + Pick(rng, 2);
        std::mktime(&day);
        std::vector<std::string> cells;
        if (drawNo)
            cells.push_back(std::to_string(firstNo + static_cast<long long>(i)));
        if (dateForm)
            cells.push_back(DateText(dateForm, day));
        if (weekday)
            cells.push_back(words.weekday);
        std::vector<int> firstField;
        const std::size_t numbersAt = cells.size();
        std::string typoPacked;
        for (int f = 0; f < fields; ++f) {
            const DrawRecord& record = (f == 0 ? history.draws : history.second)[from + i];
            std::vector<int> numbers(record.begin(), record.begin() + K);
            if (sorted)
                std::sort(numbers.begin(), numbers.end());
            else
                std::shuffle(numbers.begin(), numbers.end(), rng);
            if (f == 0)
                firstField = numbers;
            std::string packedText;
            for (int n : numbers) {
                if (packed)
                    packedText += (packedText.empty() ? "" : std::string(1, packSep)) + Two(n);
                else
                    cells.push_back(Chance(rng, 50) ? Two(n) : std::to_string(n));
            }
            int extra = 0;
            if (bonus == 1)
                do
                    extra = 1 + Pick(rng, N);
                while (std::count(numbers.begin(), numbers.end(), extra));
            else if (bonus > 1)
                extra = 1 + Pick(rng, bonus == 2 ? 10 : N);
            if (f == 0) {
                typoPacked = "0";
                for (int p = 1; p + 1 < K; ++p)
                    typoPacked += packSep + Two(numbers[static_cast<std::size_t>(p)]);
                typoPacked += std::string(1, packSep) + "49";
            }
            if (bonusInField)
                packedText += "+" + std::to_string(extra),
                    typoPacked += "+" + std::to_string(extra);
            if (packed)
                cells.push_back(packedText);
            if (bonus > 0 && !bonusInField)
                cells.push_back(std::to_string(extra));
        }
        if (prize)
            cells.push_back(std::to_string(1000 + Pick(rng, 9000000)));
        if (winners)
            cells.push_back(std::to_string(Pick(rng, 40)));
        // A draw of the source repeating a number (a typo there) is refused: not expected.
        std::vector<int> distinct = firstField;
        std::sort(distinct.begin(), distinct.end());
        if (std::adjacent_find(distinct.begin(), distinct.end()) == distinct.end())
            r.draws.push_back(firstField);
        rows[i] = join(cells);
        if (i + 1 == length / 2 && Chance(rng, 30)) { // a typo: a 0 and a 49
            std::vector<std::string> typo = cells;
            if (packed) {
                typo[numbersAt] = typoPacked;
            } else {
                typo[numbersAt] = "0";
                typo[numbersAt + static_cast<std::size_t>(K) - 1] = "49";
            }
            rows[i] += "\n" + join(typo); // one more line; its 0 refuses it
        }
    }
    if (newestFirst) {
        std::reverse(rows.begin(), rows.end());
        if (!dateForm && !drawNo)
            std::reverse(r.draws.begin(), r.draws.end());
    }
    r.order = dateForm || drawNo ? (newestFirst ? TableOrder::NewestFirst : TableOrder::OldestFirst)
                                 : TableOrder::AsListed;
    // Junk between the rows: a line of words, a short line of numbers, a repeated row.
    std::string shortLine = "1"; // fewer numbers than a draw
    for (int n = 2; n < K; ++n)
        shortLine += sep + std::to_string(n);
    const std::string junkLines[] = {"Реклама: подпишитесь на рассылку", shortLine, "-----"};
    for (int j = Pick(rng, 4); j > 0; --j) {
        const std::size_t at =
            1 + static_cast<std::size_t>(Pick(rng, static_cast<int>(rows.size() - 1)));
        rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at),
                    j == 3 ? rows[at - 1] : junkLines[Pick(rng, 3)]);
    }
    lines.insert(lines.end(), rows.begin(), rows.end());

    // Ambiguous without words: numbers as drawn and a bonus from the same drum beside them, or
    // from a drum of the same range in too few rows to show it repeating their numbers.
    if (header != 1 && !sorted && (bonus == 1 || (bonus == 3 && length < 300)) && !bonusInField)
        r.choice.K = K;

    const int ends = Pick(rng, 4);
    std::string text;
    for (const std::string& line : lines) {
        for (std::size_t start = 0;;) {
            const std::size_t stop = line.find('\n', start);
            const std::string part = line.substr(start, stop - start);
            text += part;
            ++r.lines;
            const int end = ends < 3 ? ends : Pick(rng, 3);
            text += end == 0 ? "\n" : end == 1 ? "\r\n" : "\r";
            if (Chance(rng, 2))
                text += end == 1 ? "\r\n" : "\n";
            if (stop == std::string::npos)
                break;
            start = stop + 1;
        }
    }
    switch (Pick(rng, 6)) {
    case 0:
        r.bytes = "\xEF\xBB\xBF" + text;
        r.layout += " bom";
        break;
    case 1:
        r.bytes = Utf16(text, Chance(rng, 50));
        r.layout += " utf16";
        break;
    case 2:
        if (auto cp = Cp1251(text)) {
            r.bytes = *cp;
            r.layout += " cp1251";
            break;
        }
        [[fallthrough]];
    default:
        r.bytes = text;
    }
    return r;
}

} // namespace lottery::test
