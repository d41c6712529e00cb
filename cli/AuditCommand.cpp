#include "AuditCommand.h"

#include "JsonNumber.h"
#include "audit/AuditWording.h"
#include "audit/RandomnessAudit.h"
#include "storage/DrawFile.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <ostream>

namespace {

constexpr int kFailed = 1;
constexpr int kMisused = 2;
// A database of more draws than any lottery has held is not read into memory.
constexpr std::streamoff kLargestDatabase = 512LL * 1024 * 1024;

struct AuditArguments {
    std::string path;
    long long last = 0; // 0: all draws
    bool json = false;
};

bool ParseArguments(const std::vector<std::string>& args, AuditArguments& parsed) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--json") {
            parsed.json = true;
        } else if (arg == "--last") {
            if (++i == args.size())
                return false;
            const std::string& value = args[i];
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), parsed.last);
            if (error != std::errc() || end != value.data() + value.size() || parsed.last < 1)
                return false;
        } else if (parsed.path.empty() && !arg.starts_with("--")) {
            parsed.path = arg;
        } else {
            return false;
        }
    }
    return !parsed.path.empty();
}

// The database's bytes, opened for reading only: an audit never writes.
bool ReadDatabase(const std::string& path, std::vector<std::uint8_t>& bytes, std::ostream& err) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        err << "Не удалось открыть " << path << "\n";
        return false;
    }
    const std::streamoff size = file.tellg();
    if (size < 0 || size > kLargestDatabase) {
        err << path << ": файл слишком большой\n";
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), size)) {
        err << "Не удалось прочитать " << path << "\n";
        return false;
    }
    return true;
}

// Figures to 6 significant digits.
std::string Figure(double value) {
    return JsonNumber(value, 6);
}

void PrintJson(const lottery::audit::AuditReport& report, std::ostream& out) {
    using namespace lottery::audit;
    out << "{\"shape\": \"" << int(report.shape.K) << "/" << int(report.shape.N)
        << "\", \"draws\": " << report.draws << ", \"left_out\": " << report.leftOut
        << ", \"tests\": [";
    bool first = true;
    for (const TestResult& test : report.tests) {
        if (!test.applicable)
            continue;
        out << (first ? "" : ", ") << "{\"name\": \"" << TestName(test.kind)
            << "\", \"statistic\": " << Figure(test.statistic) << ", \"p\": " << Figure(test.p)
            << ", \"degrees\": " << test.degrees
            << ", \"simulated\": " << (test.simulated ? "true" : "false");
        if (test.simulated)
            out << ", \"runs\": " << test.runs << ", \"p_error\": " << Figure(test.pError);
        out << ", \"rejected\": " << (test.rejected ? "true" : "false") << "}";
        first = false;
    }
    constexpr const char* kVerdicts[] = {"fair", "not_fair", "too_few_draws"};
    out << "], \"level\": " << kLevel << ", \"verdict\": \""
        << kVerdicts[static_cast<int>(report.verdict)] << "\"}\n";
}

void PrintText(const lottery::audit::AuditReport& report, std::ostream& out) {
    using namespace lottery::audit;
    out << wording::ScopeText(report) << "\n\n";
    for (const TestResult& test : report.tests) {
        out << wording::TestTitle(test.kind) << (test.rejected ? "  [ОТКЛОНЕНИЕ]" : "") << "\n"
            << "  " << wording::TestQuestion(test.kind, report.shape) << "\n";
        if (test.applicable)
            out << "  Значение: " << wording::FigureText(test) << "\n"
                << "  Случай даёт: " << wording::ChanceText(test) << "\n"
                << "  p = " << wording::PText(test) << (test.p < kLevel ? "  (< 1 %)" : "") << "\n";
        out << "  Заметит: " << wording::VisibilityText(test, report) << "\n\n";
    }
    out << "Итог: " << wording::VerdictText(report) << "\n";
}

} // namespace

int RunAudit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    AuditArguments parsed;
    if (!ParseArguments(args, parsed)) {
        err << "Нужно: --audit FILE.dat [--last M] [--json]; см. --help\n";
        return kMisused;
    }
    std::vector<std::uint8_t> bytes;
    if (!ReadDatabase(parsed.path, bytes, err))
        return kFailed;
    lottery::DrawFileContent content;
    try {
        content = lottery::DecodeDrawFile(bytes);
    } catch (const std::exception& error) {
        err << parsed.path << " — не база лотереи: " << error.what() << "\n";
        return kFailed;
    }
    std::span<const lottery::DrawRecord> draws = content.draws;
    if (parsed.last > 0 && static_cast<std::size_t>(parsed.last) < draws.size())
        draws = draws.last(static_cast<std::size_t>(parsed.last));
    const lottery::audit::AuditReport report = lottery::audit::AuditHistory(draws, content.shape);
    if (parsed.json)
        PrintJson(report, out);
    else
        PrintText(report, out);
    return 0;
}
