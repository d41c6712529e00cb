// Feeds arbitrary bytes to the draw-file reader. Whatever it accepts must be a usable lottery,
// and writing it back must give exactly the whole records that were read.
#include "lottery/LotteryDocument.h"
#include "storage/DrawFile.h"
#include "storage/IoError.h"

#include <cstdlib>
#include <cstring>

using namespace lottery;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DrawFileContent content;
    try {
        content = DecodeDrawFile(std::span<const std::uint8_t>(data, size));
    } catch (const IoError& error) {
        if (size >= kRecordSize || error.code() != io_code::kSeekBeforeStart)
            std::abort();
        return 0;
    } catch (const InvalidContentError&) {
        return 0;
    }
    if (!content.shape.isValid())
        std::abort();
    for (const DrawRecord& draw : content.draws)
        for (int p = 0; p < content.shape.K; ++p)
            if (draw[static_cast<std::size_t>(p)] < 1 ||
                draw[static_cast<std::size_t>(p)] > content.shape.N)
                std::abort();

    const std::size_t whole = size / kRecordSize * kRecordSize;
    const auto encoded = EncodeDrawFile(content.draws, content.shape, content.reserved);
    if (encoded.size() != whole || std::memcmp(encoded.data(), data, whole) != 0)
        std::abort();

    // The statistics over what was accepted must stay inside the table.
    LotteryDocument document;
    document.StartLottery(content.shape);
    document.ApplyEdit(DrawEdit{0, 0, std::move(content.draws)});
    const RankingSlots slots = Rankings(document.stats(), document.shape().N);
    for (int slot : slots.mostFrequent)
        if (slot < 0 || slot > document.shape().N)
            std::abort();
    return 0;
}
