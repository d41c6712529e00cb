#include "WheelCommand.h"

#include "NumberList.h"
#include "TicketList.h"
#include "storage/AtomicFile.h"
#include "wheels/Combinatorics.h"
#include "wheels/WheelSearch.h"
#include "wheels/WheelVerifier.h"
#include "wording/RussianCount.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <ostream>
#include <span>
#include <sstream>

namespace {

constexpr int kFailed = 1;
constexpr int kMisused = 2;
constexpr int kHoles = 3;
// Holes printed one a line; the rest are counted.
constexpr std::size_t kHolesShown = 50;
// A list of tickets is text of a few lines each; a bigger file is not read into memory.
constexpr std::streamoff kLargestTicketFile = 64LL * 1024 * 1024;
constexpr double kLongestSearch = 24 * 3600;

const wording::NounForms kTickets{"билет", "билета", "билетов"};
const wording::NounForms kSets{"сочетание", "сочетания", "сочетаний"};
const wording::NounForms kNumbers{"число", "числа", "чисел"};

// The options (each with a value) and the other arguments.
struct Arguments {
    std::map<std::string, std::string> options;
    std::vector<std::string> files;
    std::string error;
};

Arguments Split(const std::vector<std::string>& args, const std::vector<std::string>& known) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0 || arg.size() == 2) {
            parsed.files.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            parsed.error = "Неизвестный ключ: " + name;
            return parsed;
        }
        if (parsed.options.count(name)) {
            parsed.error = "Ключ " + name + " назван дважды";
            return parsed;
        }
        if (equals != std::string::npos)
            parsed.options[name] = arg.substr(equals + 1);
        else if (i + 1 < args.size())
            parsed.options[name] = args[++i];
        else {
            parsed.error = "После " + name + " нужно значение";
            return parsed;
        }
    }
    return parsed;
}

// What the common options of both commands say, or the reason they cannot be taken.
struct Common {
    wheels::WheelProblem problem;
    int N = 49;
    bool shapeGiven = false;
    std::string error;
};

Common ReadCommon(const Arguments& a, const std::string& numbersOption) {
    Common c;
    c.problem.ticketSize = 6; // 6 из 49, the lottery the program starts with
    if (const auto shape = a.options.find("--shape"); shape != a.options.end()) {
        const auto kn = ParsePair(shape->second);
        if (!kn || kn->first < 1 || kn->first > 7 || kn->second <= kn->first || kn->second > 49) {
            c.error = "Неверная лотерея «" + shape->second +
                      "»: нужно K/N, K от 1 до 7, K < N ≤ 49, например 6/49";
            return c;
        }
        c.problem.ticketSize = kn->first;
        c.N = kn->second;
        c.shapeGiven = true;
    }
    const auto numbers = a.options.find(numbersOption);
    const auto guarantee = a.options.find("--guarantee");
    if (numbers == a.options.end() || guarantee == a.options.end()) {
        c.error = "Нужны " + numbersOption + " и --guarantee; см. --help";
        return c;
    }
    const auto list = ParseNumberList(numbers->second);
    if (!list) {
        c.error =
            "Неверный список чисел «" + numbers->second + "»: нужно, например, 1-12 или 3,7,12,19";
        return c;
    }
    c.problem.numbers = *list;
    const auto tm = ParsePair(guarantee->second);
    if (!tm) {
        c.error = "Неверная гарантия «" + guarantee->second + "»: нужно T/M, например 4/4 или 3/5";
        return c;
    }
    c.problem.t = tm->first;
    c.problem.m = tm->second;
    if (const auto keys = a.options.find("--keys"); keys != a.options.end()) {
        const auto keyList = ParseNumberList(keys->second);
        if (!keyList) {
            c.error = "Неверный список ключевых чисел «" + keys->second + "»";
            return c;
        }
        c.problem.keys = *keyList;
    }
    return c;
}

std::string GuaranteeText(const wheels::WheelProblem& p) {
    return "«" + std::to_string(p.t) + " если " + std::to_string(p.m) + "»";
}

std::string NumbersText(const std::vector<int>& numbers) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        text += (i ? " " : "") + std::to_string(numbers[i]);
    return text;
}

} // namespace

const char* const kWheelHelp =
    "  Zhrebikon --wheel NUMBERS --guarantee T/M [--keys NUMBERS] [--shape K/N]\n"
    "            [--seconds S] OUT.csv\n"
    "      Ищет колесо: билеты по K чисел из выбранных NUMBERS (например 1-12 или\n"
    "      3,7,12,19) с гарантией «T если M»: когда M выпавших чисел среди выбранных,\n"
    "      хотя бы один билет угадывает T из них. Ключевые числа входят в каждый билет.\n"
    "      Лотерея по умолчанию 6/49, поиск до 10 секунд. Колесо проверяется перебором\n"
    "      и записывается по билету в строке; печатаются число билетов и нижняя граница.\n"
    "  Zhrebikon --check-wheel TICKETS --numbers NUMBERS --guarantee T/M [--shape K/N]\n"
    "      Проверяет билеты файла (по билету в строке) на гарантию «T если M» по числам\n"
    "      NUMBERS и печатает сочетания без выигрыша. Код выхода 3 — гарантия не\n"
    "      выполняется.\n";

int RunWheel(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Arguments a = Split(args, {"--wheel", "--guarantee", "--keys", "--shape", "--seconds"});
    if (!a.error.empty()) {
        err << a.error << "; см. --help\n";
        return kMisused;
    }
    if (a.files.size() != 1) {
        err << "Нужен один файл для колеса: --wheel NUMBERS --guarantee T/M ... OUT.csv\n";
        return kMisused;
    }
    Common c = ReadCommon(a, "--wheel");
    double seconds = 10;
    if (const auto limit = a.options.find("--seconds");
        c.error.empty() && limit != a.options.end()) {
        std::istringstream in(limit->second);
        if (!(in >> seconds) || !in.eof() || !(seconds > 0) || seconds > kLongestSearch)
            c.error = "Неверное время «" + limit->second + "»: нужно число секунд больше 0";
    }
    if (c.error.empty())
        c.error = wheels::ProblemError(c.problem, c.N);
    if (c.error.empty())
        c.error = wheels::SearchSizeError(c.problem);
    if (!c.error.empty()) {
        err << c.error << '\n';
        return kMisused;
    }

    wheels::WheelSearchOptions options;
    options.secondsLimit = seconds;
    const wheels::WheelResult result = wheels::FindWheel(c.problem, options);
    const std::string text = TicketListText(result.tickets);
    const std::string& path = a.files.front();
    try {
        lottery::WriteFileAtomically(
            path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    } catch (const std::exception& error) {
        err << "Не удалось записать " << path << ": " << error.what() << '\n';
        return kFailed;
    }
    const wheels::WheelProblem& p = c.problem;
    out << "Колесо: " << wording::CountOf(static_cast<long long>(result.tickets.size()), kTickets)
        << " на " << wording::CountOf(static_cast<long long>(p.numbers.size()), kNumbers) << " ("
        << wording::CountOf(p.ticketSize, kNumbers) << " в билете), гарантия " << GuaranteeText(p);
    if (!p.keys.empty())
        out << ", ключевые числа: " << NumbersText(p.keys);
    out << ".\nНижняя граница: "
        << wording::CountOf(static_cast<long long>(result.lowerBound), kTickets)
        << "; полное колесо: "
        << wording::CountOf(static_cast<long long>(result.fullWheelSize), kTickets) << ".\n";
    if (result.end == wheels::SearchEnd::ReachedBound)
        out << "Меньше билетов быть не может.\n";
    else if (result.end == wheels::SearchEnd::TimeLimit)
        out << "Поиск остановлен по времени; больше времени (--seconds) может дать меньше "
               "билетов.\n";
    out << "Гарантия проверена перебором всех "
        << wording::CountOf(
               static_cast<long long>(wheels::Binomial(static_cast<int>(p.numbers.size()), p.m)),
               kSets)
        << ".\nЗаписано: " << path << '\n';
    return 0;
}

int RunCheckWheel(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Arguments a = Split(args, {"--check-wheel", "--numbers", "--guarantee", "--shape"});
    if (!a.error.empty()) {
        err << a.error << "; см. --help\n";
        return kMisused;
    }
    // The file may come as the value of --check-wheel or on its own.
    std::vector<std::string> files = a.files;
    if (const auto named = a.options.find("--check-wheel"); named != a.options.end())
        files.insert(files.begin(), named->second);
    if (files.size() != 1) {
        err << "Нужен один файл с билетами: --check-wheel TICKETS --numbers NUMBERS "
               "--guarantee T/M\n";
        return kMisused;
    }
    Common c = ReadCommon(a, "--numbers");
    if (c.error.empty()) {
        // The search's checks, with M standing for K when no lottery is named.
        wheels::WheelProblem asked = c.problem;
        if (!c.shapeGiven)
            asked.ticketSize =
                std::max(1, std::min(asked.m, static_cast<int>(asked.numbers.size())));
        c.error = wheels::ProblemError(asked, c.N);
    }
    if (!c.error.empty()) {
        err << c.error << '\n';
        return kMisused;
    }

    const std::string& path = files.front();
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        err << "Не удалось прочитать " << path << '\n';
        return kFailed;
    }
    file.seekg(0, std::ios::end);
    if (file.tellg() > kLargestTicketFile) {
        err << path << ": файл слишком большой\n";
        return kFailed;
    }
    file.seekg(0);
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    const TicketList list = ParseTicketList(text, c.N, c.shapeGiven ? c.problem.ticketSize : 0);
    if (!list.error.empty()) {
        err << path << ": " << list.error << '\n';
        return kFailed;
    }

    const wheels::WheelProblem& p = c.problem;
    const wheels::Verdict verdict =
        wheels::VerifyWheel(list.tickets, p.numbers, p.t, p.m, kHolesShown);
    out << path << ": " << wording::CountOf(static_cast<long long>(list.tickets.size()), kTickets)
        << " на " << wording::CountOf(static_cast<long long>(p.numbers.size()), kNumbers)
        << ", проверено " << wording::CountOf(static_cast<long long>(verdict.setsChecked), kSets)
        << " по " << p.m << ".\n";
    if (verdict.holds) {
        out << "Гарантия " << GuaranteeText(p) << " выполняется.\n";
        return 0;
    }
    out << "Гарантия " << GuaranteeText(p)
        << " не выполняется: " << wording::CountOf(static_cast<long long>(verdict.holeCount), kSets)
        << " без выигрыша:\n";
    for (const auto& hole : verdict.holes)
        out << "  " << NumbersText(hole) << '\n';
    if (verdict.holeCount > verdict.holes.size())
        out << "  и ещё " << verdict.holeCount - verdict.holes.size() << '\n';
    return kHoles;
}
