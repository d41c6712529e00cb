#include "CheckTicketsCommand.h"

#include "JsonNumber.h"
#include "storage/DrawFile.h"
#include "tickets/DrawMasks.h"
#include "tickets/FigureText.h"
#include "tickets/TicketFile.h"
#include "tickets/TicketSetCheck.h"
#include "wording/RussianCount.h"

#include <fstream>
#include <iterator>
#include <optional>

namespace {

constexpr int kFailed = 1;
constexpr int kMisused = 2;
constexpr int kBestListed = 5;
// No lottery database comes near this; a bigger file is not read into memory.
constexpr std::streamsize kLargestDatabase = 512LL * 1024 * 1024;

// The database's draws, read only: checking never writes, so a read-only history will do.
std::optional<lottery::DrawFileContent> ReadHistory(const std::string& path, std::ostream& err) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        err << "Не удалось открыть " << path << "\n";
        return std::nullopt;
    }
    file.seekg(0, std::ios::end);
    const std::streamsize size = file.tellg();
    if (size > kLargestDatabase) {
        err << path << ": файл слишком большой\n";
        return std::nullopt;
    }
    file.seekg(0);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::max<std::streamsize>(size, 0)));
    file.read(reinterpret_cast<char*>(bytes.data()), size);
    if (!file) {
        err << "Не удалось прочитать " << path << "\n";
        return std::nullopt;
    }
    try {
        return lottery::DecodeDrawFile(bytes);
    } catch (const std::exception& error) {
        err << path << " — не база лотереи: " << error.what() << "\n";
        return std::nullopt;
    }
}

// Figures to 10 significant digits.
std::string Figure(double value) {
    return JsonNumber(value, 10);
}

void PrintJson(const lottery::TicketSetCheck& check, std::ostream& out) {
    const auto levels = [&](const auto& values, auto format) {
        std::string text = "{";
        for (std::size_t m = 0; m < values.size(); ++m)
            text += (m ? ", \"" : "\"") + std::to_string(m) + "\": " + format(values[m]);
        return text + "}";
    };
    out << "{\"tickets\": " << check.tickets << ", \"draws\": " << check.range.size()
        << ", \"matches\": "
        << levels(check.matches, [](long long count) { return std::to_string(count); })
        << ", \"expected\": " << levels(check.expected, Figure);
    if (check.money)
        out << ", \"money\": {\"spent\": " << Figure(check.money->spent / 100)
            << ", \"won\": " << Figure(check.money->won / 100)
            << ", \"balance\": " << Figure(check.money->balance() / 100)
            << ", \"expected_balance\": " << Figure(check.money->expectedBalance / 100) << "}";
    out << "}\n";
}

std::string Padded(const std::string& text, std::size_t width) {
    // Width in characters as shown: UTF-8 continuation bytes take no place.
    std::size_t shown = 0;
    for (const char c : text)
        shown += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return std::string(width > shown ? width - shown : 0, ' ') + text;
}

void PrintText(const lottery::TicketSet& set, const lottery::TicketSetCheck& check,
               std::ostream& out) {
    out << "Набор: " << wording::CountOf(check.tickets, {"билет", "билета", "билетов"})
        << ", лотерея " << int{set.shape().K} << " из " << int{set.shape().N} << "; "
        << wording::CountOf(check.range.size(), {"тираж", "тиража", "тиражей"}) << "\n\n";
    out << "Совпало   Сколько раз   Случайно в среднем\n";
    for (int m = 0; m <= check.K; ++m)
        out << Padded(std::to_string(m), 7) << Padded(wording::GroupedNumber(check.matches[m]), 14)
            << Padded(lottery::ExpectedText(check.expected[m]), 21) << "\n";
    if (!check.best.empty()) {
        out << "\nЛучшие совпадения:\n";
        for (const lottery::SetHit& hit : check.best)
            out << "  билет " << hit.ticket + 1 << " (" << set.at(hit.ticket).text()
                << ") в тираже № " << wording::GroupedNumber(hit.draw + 1) << ": "
                << wording::CountOf(hit.matches, {"совпадение", "совпадения", "совпадений"})
                << "\n";
    }
    if (check.money)
        out << "\nПотрачено " << lottery::AmountText(check.money->spent) << ", выиграно "
            << lottery::AmountText(check.money->won) << ", итог "
            << lottery::AmountText(check.money->balance()) << "; случай даёт в среднем "
            << lottery::AmountText(check.money->expectedBalance) << ".\n";
    out << "\nНикакой способ выбора не меняет того, сколько билет стоит в среднем.\n";
}

} // namespace

int RunCheckTickets(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> files;
    bool json = false;
    for (const std::string& arg : args) {
        if (arg == "--json")
            json = true;
        else
            files.push_back(arg);
    }
    if (files.size() != 2) {
        err << "Нужно: --check-tickets TICKETS HISTORY.dat [--json]; см. --help\n";
        return kMisused;
    }
    const auto history = ReadHistory(files[1], err);
    if (!history)
        return kFailed;
    const lottery::TicketFileRead read = lottery::ReadTicketFile(files[0], history->shape);
    if (!read.usable()) {
        err << files[0] << ": " << read.error << "\n";
        return kFailed;
    }
    const auto masks = lottery::DrawMasks(history->draws, history->shape);
    const lottery::TicketSetCheck check = lottery::CheckTicketSet(
        read.set.tickets(), masks, history->shape, {0, static_cast<long long>(masks.size())},
        read.set.money(), json ? 0 : kBestListed);
    if (json)
        PrintJson(check, out);
    else
        PrintText(read.set, check, out);
    return 0;
}
