#include "tickets/TicketFile.h"

#include "storage/AtomicFile.h"
#include "storage/IoError.h"
#include "tables/DrawTableReader.h"
#include "tickets/FigureText.h"
#include "tickets/NumberLine.h"
#include "wording/RussianCount.h"

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <unistd.h>

namespace lottery {
namespace {

constexpr std::string_view kHeaderStart = "# Жребикон: набор билетов";
constexpr std::string_view kPriceWord = "цена";
constexpr std::string_view kPrizeWord = "выигрыш";
// Ten thousand tickets take some 200 kB; a file many times that is not a set of tickets.
constexpr std::size_t kLargestFile = 8 * 1024 * 1024;

std::string At(std::size_t line, const std::string& text) {
    return "строка " + std::to_string(line) + ": " + text;
}

std::string ShapeText(int K, int N) {
    return std::to_string(K) + " из " + std::to_string(N);
}

// The words of a line of our own format; an amount keeps its decimal comma.
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i]))
            ++i;
        if (i > start)
            words.push_back(text.substr(start, i - start));
    }
    return words;
}

std::optional<long long> Whole(std::string_view word) {
    long long value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || word.empty() ||
        word.front() == '-')
        return std::nullopt;
    return value;
}

// "100", "2,50", "2.5": roubles with at most two decimals.
std::optional<Kopecks> Amount(std::string_view word) {
    const auto comma = word.find_first_of(",.");
    const auto roubles = Whole(word.substr(0, comma));
    if (!roubles || *roubles > TicketMoney::kLargest / 100)
        return std::nullopt;
    Kopecks kopecks = *roubles * 100;
    if (comma != std::string_view::npos) {
        const std::string_view fraction = word.substr(comma + 1);
        const auto digits = Whole(fraction);
        if (!digits || fraction.size() > 2)
            return std::nullopt;
        kopecks += fraction.size() == 1 ? *digits * 10 : *digits;
    }
    return kopecks;
}

std::string AmountText(Kopecks kopecks) {
    std::string text = std::to_string(kopecks / 100);
    if (kopecks % 100 != 0) {
        const auto cents = kopecks % 100;
        text += (cents < 10 ? ",0" : ",") + std::to_string(cents);
    }
    return text;
}

// The shape named by our header, or the reason it cannot be read.
std::optional<LotteryShape> HeaderShape(std::string_view line) {
    const auto words = Words(line.substr(kHeaderStart.size()));
    if (words.size() != 3 || words[1] != "из")
        return std::nullopt;
    const auto K = Whole(words[0]);
    const auto N = Whole(words[2]);
    if (!K || !N || *K > 255 || *N > 255)
        return std::nullopt;
    const LotteryShape shape{static_cast<std::uint8_t>(*K), static_cast<std::uint8_t>(*N)};
    if (!shape.isValid())
        return std::nullopt;
    return shape;
}

TicketFileRead ReadOwnFormat(std::string_view bytes) {
    TicketFileRead result;
    std::vector<Ticket> tickets;
    TicketMoney money;
    bool priced = false;
    std::vector<bool> prizeGiven;
    LotteryShape shape;
    std::size_t number = 0;
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        const std::string_view line = Trimmed(bytes.substr(0, end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        ++number;
        const auto refuse = [&](const std::string& reason) {
            result.error = At(number, reason);
            return result;
        };
        if (number == 1) {
            const auto header = HeaderShape(line);
            if (!header)
                return refuse("нужно «" + std::string(kHeaderStart) + " K из N» (K от 1 до " +
                              std::to_string(LotteryShape::kMaxK) + ", N от K + 1 до " +
                              std::to_string(LotteryShape::kMaxN) + ")");
            shape = *header;
            money.prizes.assign(static_cast<std::size_t>(shape.K) + 1, 0);
            prizeGiven.assign(money.prizes.size(), false);
            continue;
        }
        if (line.empty() || line.front() == '#')
            continue;
        const auto words = Words(line);
        if (words.front() == kPriceWord) {
            if (priced)
                return refuse("цена указана второй раз");
            const auto price = words.size() == 2 ? Amount(words[1]) : std::nullopt;
            if (!price)
                return refuse("нужно «цена СУММА», например «цена 100» или «цена 2,50»");
            money.price = *price;
            priced = true;
        } else if (words.front() == kPrizeWord) {
            const auto level = words.size() == 3 ? Whole(words[1]) : std::nullopt;
            const auto prize = words.size() == 3 ? Amount(words[2]) : std::nullopt;
            if (!level || !prize)
                return refuse("нужно «выигрыш СОВПАДЕНИЙ СУММА», например «выигрыш 3 100»");
            if (*level > shape.K)
                return refuse("совпадений бывает от 0 до " + std::to_string(shape.K));
            const auto slot = static_cast<std::size_t>(*level);
            if (prizeGiven[slot])
                return refuse("выигрыш за " +
                              wording::CountOf(*level, {"совпадение", "совпадения", "совпадений"}) +
                              " указан второй раз");
            money.prizes[slot] = *prize;
            prizeGiven[slot] = true;
        } else {
            Ticket ticket;
            if (const std::string reason = ParseTicket(line, shape, ticket); !reason.empty())
                return refuse(reason);
            if (tickets.size() == TicketSet::kMostTickets)
                return refuse("в наборе больше " + std::to_string(TicketSet::kMostTickets) +
                              " билетов");
            tickets.push_back(ticket);
        }
    }
    result.set = TicketSet(shape);
    result.set.SetMoney(money);
    result.set.Add(std::move(tickets));
    return result;
}

TicketFileRead ReadTable(std::string_view bytes, std::optional<LotteryShape> lottery) {
    TicketFileRead result;
    result.fromTable = true;
    TableChoice choice;
    if (lottery) {
        choice.K = lottery->K;
        choice.N = lottery->N;
    }
    const DrawTable table = ReadDrawTable(bytes, choice);
    if (!table.usable()) {
        result.error = table.error;
        return result;
    }
    if (!table.refused.empty()) {
        result.error = At(table.refused.front().line, table.refused.front().text);
        return result;
    }
    if (table.draws.size() > TicketSet::kMostTickets) {
        result.error = "в наборе больше " + std::to_string(TicketSet::kMostTickets) + " билетов";
        return result;
    }
    std::vector<Ticket> tickets;
    for (const DrawRecord& draw : table.draws) {
        std::vector<int> numbers(draw.begin(), draw.begin() + table.shape.K);
        tickets.push_back(Ticket::FromNumbers(numbers).value_or(Ticket()));
    }
    result.set = TicketSet(table.shape);
    try {
        result.set.Add(std::move(tickets));
    } catch (const std::invalid_argument&) {
        result.error = "в таблице есть билет не лотереи " + ShapeText(table.shape.K, table.shape.N);
    }
    return result;
}

} // namespace

std::string ParseTicket(std::string_view line, LotteryShape shape, Ticket& ticket) {
    std::vector<int> numbers;
    const NumberLineFault fault = ReadNumberLine(line, shape.N, numbers);
    using Kind = NumberLineFault::Kind;
    // A minus sign makes no lottery number, whatever follows it.
    if (fault.kind == Kind::NotANumber || (fault.kind == Kind::OutOfRange && fault.word[0] == '-'))
        return "«" + fault.word + "» — не номер";
    if (fault.kind == Kind::OutOfRange)
        return "номера " + fault.word + " нет в лотерее " + ShapeText(shape.K, shape.N);
    if (fault.kind == Kind::Repeated)
        return "номер " + std::to_string(fault.number) + " повторяется";
    if (static_cast<int>(numbers.size()) != shape.K)
        return "в билете " +
               wording::CountOf(static_cast<long long>(numbers.size()),
                                {"номер", "номера", "номеров"}) +
               ", а нужно " + std::to_string(shape.K);
    ticket = *Ticket::FromNumbers(numbers);
    return {};
}

std::string TicketFileHeader(LotteryShape shape) {
    return std::string(kHeaderStart) + ' ' + ShapeText(shape.K, shape.N);
}

TicketFileRead ReadTicketText(std::string_view bytes, std::optional<LotteryShape> lottery) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    TicketFileRead result =
        bytes.starts_with(kHeaderStart) ? ReadOwnFormat(bytes) : ReadTable(bytes, lottery);
    if (result.usable() && lottery && result.set.shape() != *lottery)
        result.error = "набор для лотереи " +
                       ShapeText(result.set.shape().K, result.set.shape().N) + ", а лотерея — " +
                       ShapeText(lottery->K, lottery->N);
    return result;
}

std::string TicketFileText(const TicketSet& set) {
    std::string text = TicketFileHeader(set.shape()) + '\n';
    const TicketMoney& money = set.money();
    if (money.priced()) {
        text += std::string(kPriceWord) + ' ' + AmountText(money.price) + '\n';
        for (std::size_t m = 0; m < money.prizes.size(); ++m)
            if (money.prizes[m] != 0)
                text += std::string(kPrizeWord) + ' ' + std::to_string(m) + ' ' +
                        AmountText(money.prizes[m]) + '\n';
    }
    for (const Ticket& ticket : set.tickets())
        text += ticket.text() + '\n';
    return text;
}

TicketFileRead ReadTicketFile(const std::string& path, std::optional<LotteryShape> lottery,
                              FileSystem& fs) {
    TicketFileRead result;
    // Read only: a set on a read-only medium is still worth checking.
    const int fd = fs.open(path.c_str(), O_RDONLY | O_CLOEXEC, 0);
    if (fd < 0) {
        result.error = IoError::MessageFor(IoError::CodeForErrno(errno));
        return result;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = fs.read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result.error = IoError::MessageFor(IoError::CodeForErrno(errno));
            break;
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > kLargestFile) {
            result.error = "файл слишком большой для набора билетов";
            break;
        }
    }
    fs.close(fd);
    return result.usable() ? ReadTicketText(bytes, lottery) : result;
}

void WriteTicketFile(const std::string& path, const TicketSet& set, FileSystem& fs) {
    const std::string text = TicketFileText(set);
    WriteFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), fs);
}

} // namespace lottery
