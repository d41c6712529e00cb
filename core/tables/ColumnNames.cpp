#include "tables/ColumnNames.h"

#include "tables/TableText.h"

#include <algorithm>
#include <initializer_list>
#include <string>

namespace lottery {
namespace {

bool HasAny(const std::string& name, std::initializer_list<std::string_view> words) {
    return std::any_of(words.begin(), words.end(),
                       [&](std::string_view word) { return name.find(word) != std::string::npos; });
}

bool IsIndexOnly(std::string_view name) {
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == ' ' || c == '.' || c == '#' || c == '_';
    });
}

// A name ending in an index: "Num1", "Ball 1", "boule_1", "N1", "Число 1"; a name has a letter
// ("12,9" in a line of data taken for a header names nothing).
bool EndsInIndex(const std::string& name) {
    if (std::none_of(name.begin(), name.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80;
        }))
        return false;
    std::size_t end = name.size();
    while (end > 0 && name[end - 1] == ' ')
        --end;
    return end > 0 && name[end - 1] >= '0' && name[end - 1] <= '9';
}

} // namespace

ColumnRole RoleOfColumnName(std::string_view raw) {
    const std::string name = LowerText(raw);
    if (IsIndexOnly(name))
        return ColumnRole::Unnamed;
    // The order matters: "Bonus #" is a bonus, "Draw Date" a date, "Draw Number" the draw's
    // number, "Winning Number 1" a drawn number, "Division 1" a prize.
    if (HasAny(name, {"bonus", "supp",  "zusatz", "super", "chance", "comp",  "reintegro",
                      "joker", "power", "mega",   "extra", "star",   "stern", "lucky",
                      "plus",  "mult",  "доп",    "бонус", "бон",    "спец"}))
        return ColumnRole::Extra;
    if (HasAny(name, {"date", "datum", "fecha", "data", "дата",    "day", "jour",
                      "tag",  "year",  "month", "jahr", "monat",   "año", "mes",
                      "год",  "месяц", "день",  "time", "weekday", "dia"}))
        return ColumnRole::Date;
    if (HasAny(name, {"winning num", "выигрышные номера", "выигрышные числа", "номера", "числа"}))
        return ColumnRole::Drawn;
    if (HasAny(name, {"prize", "jackpot", "division", "rapport", "gagnant", "winners", "payout",
                      "amount", "quote", "premio", "sales", "приз", "выигр", "сумм", "джекпот", "$",
                      "€", "руб", "eur"}))
        return ColumnRole::Other;
    if (EndsInIndex(name) && !HasAny(name, {"tirage", "draw no", "draw nr"}))
        return ColumnRole::Drawn;
    if (HasAny(name, {"draw", "tirage", "sorteo", "ziehung", "тираж", "номер", "nr", "no.", "#",
                      "index", "seq", "concurso", "estrazione"}) ||
        name == "id" || name == "no" || name == "n" || name == "№")
        return ColumnRole::DrawNo;
    if (HasAny(name, {"num", "ball", "boule", "bola", "zahl", "winning", "combina", "ganador",
                      "result", "liczb", "число", "шар", "numer"}))
        return ColumnRole::Drawn;
    return ColumnRole::Other;
}

std::vector<ColumnRole> ColumnRoles(const std::vector<std::string_view>& header) {
    std::vector<ColumnRole> roles;
    roles.reserve(header.size());
    for (std::string_view name : header) {
        ColumnRole role = RoleOfColumnName(name);
        if (role == ColumnRole::Unnamed && !roles.empty())
            role = roles.back();
        roles.push_back(role);
    }
    return roles;
}

} // namespace lottery
