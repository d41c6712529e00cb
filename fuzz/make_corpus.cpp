// Writes a small seed corpus for the fuzz targets with the program's own encoders:
// make_corpus <draw-dir> <options-dir>
#include "DrawFile.h"
#include "OptionsFile.h"
#include "RandomSource.h"

#include <fstream>
#include <string>

using namespace lottery;

namespace {

void Write(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
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
            Write(drawDir + "/seed" + std::to_string(index++) + ".dat",
                  EncodeDrawFile(draws, shape, reserved));
        }
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
