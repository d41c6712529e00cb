// Writes a small seed corpus for the fuzz targets with the program's own encoders:
// make_corpus <draw-dir> <options-dir> [<table-dir>]
#include "lottery/RandomSource.h"
#include "storage/DrawFile.h"
#include "storage/OptionsFile.h"
#include "tables/DrawTableWriter.h"

#include <fstream>
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

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4)
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
            if (argc == 4)
                WriteText(std::string(argv[3]) + "/seed" + std::to_string(index) + ".csv",
                          DrawTableCsv(draws, shape));
            ++index;
        }
    }
    if (argc == 4) {
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
