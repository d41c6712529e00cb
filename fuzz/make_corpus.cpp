// Writes a small seed corpus for the fuzz targets with the program's own encoders:
// make_corpus <draw-dir> <options-dir> [<table-dir> [<shared-dir>]]
// With a shared folder (the real histories beside the project, never copied into it), the
// table corpus also gets short excerpts of each real table: its head and a stretch of its middle,
// which start the fuzzer among real layouts instead of letting it find them byte by byte.
#include "lottery/RandomSource.h"
#include "storage/DrawFile.h"
#include "storage/OptionsFile.h"
#include "tables/DrawTableWriter.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

using namespace lottery;

namespace {

void Write(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The lines from..from+count of text (the whole lines only), at most maxBytes long.
std::string Excerpt(const std::string& text, std::size_t from, std::size_t count,
                    std::size_t maxBytes) {
    std::size_t start = 0;
    for (std::size_t line = 0; line < from && start != std::string::npos; ++line) {
        const std::size_t next = text.find('\n', start);
        start = next == std::string::npos ? next : next + 1;
    }
    if (start == std::string::npos)
        return {};
    std::size_t end = start;
    for (std::size_t line = 0; line < count && end < text.size(); ++line) {
        const std::size_t next = text.find('\n', end);
        if (next == std::string::npos || next + 1 - start > maxBytes)
            break;
        end = next + 1;
    }
    return text.substr(start, end - start);
}

void WriteExcerpts(const std::filesystem::path& shared, const std::string& tables) {
    constexpr std::size_t kSeedBytes = 3000; // below the fuzzer's -max_len
    for (const char* folder : {"data", "realdata"}) {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(shared / folder, ignored)) {
            const auto extension = entry.path().extension();
            if (extension != ".csv" && extension != ".txt")
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            const std::string text = bytes.str();
            const std::string name = tables + "/real-" + entry.path().stem().string();
            WriteText(name + "-head" + extension.string(), Excerpt(text, 0, 40, kSeedBytes));
            const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
            WriteText(name + "-middle" + extension.string(),
                      Excerpt(text, lines / 2, 40, kSeedBytes));
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 5)
        return 2;
    const std::string drawDir = argv[1];
    const std::string optionsDir = argv[2];
    LcgRandom random(2026);
    const LotteryShape shapes[] = {{6, 49}, {1, 2}, {7, 8}, {3, 10}, {5, 36}, {2, 3}};
    int index = 0;
    for (const LotteryShape shape : shapes) {
        for (std::size_t count : {0u, 1u, 5u, 40u}) {
            std::vector<DrawRecord> draws(count);
            for (DrawRecord& draw : draws)
                for (int p = 0; p < shape.K; ++p)
                    draw[static_cast<std::size_t>(p)] =
                        static_cast<std::uint8_t>(random.Random(shape.N) + 1);
            const TrailerReserved reserved{static_cast<std::uint8_t>(index), 0, 0, 0, 0};
            Write(drawDir + "/seed" + std::to_string(index) + ".dat",
                  EncodeDrawFile(draws, shape, reserved));
            if (argc >= 4)
                WriteText(std::string(argv[3]) + "/seed" + std::to_string(index) + ".csv",
                          DrawTableCsv(draws, shape));
            ++index;
        }
    }
    if (argc == 5)
        WriteExcerpts(argv[4], argv[3]);
    if (argc >= 4) {
        // Layouts of other sources: semicolons and dates newest first, tabs, packed fields.
        const std::string tables = argv[3];
        WriteText(tables + "/semicolon.csv", "Datum;Zahl 1;Zahl 2;Zahl 3;Superzahl\r\n"
                                             "15.01.2020;3;7;21;1\r\n08.01.2020;2;6;9;4\r\n");
        WriteText(tables + "/tabs.txt", "2\t2020.01.08\t4\t8\t12\t33\t2\n"
                                        "1\t2020.01.01\t1\t5\t9\t45\t7\n");
        WriteText(tables + "/packed.csv", "Draw Date,Winning Numbers,Bonus #\n"
                                          "03/16/2019,\"01 04 06 17 31\",\n"
                                          "\"June 12, 1982\",3-12-18-27-34-41,\n");
        WriteText(tables + "/ordinal.txt", "1. 27.01.1957 8,12,31,39,43,45\n"
                                           "2. 03.02.1957 5,10,11,22,25,27\n");
    }
    OptionsRecord defaults;
    Write(optionsDir + "/defaults.opt", EncodeOptions(defaults));
    OptionsRecord second;
    second.background = 2;
    second.titleColour = colour::Rgb(200, 10, 10);
    second.tableHeadColour = colour::Rgb(0, 128, 0);
    Write(optionsDir + "/second.opt", EncodeOptions(second));
    return 0;
}
