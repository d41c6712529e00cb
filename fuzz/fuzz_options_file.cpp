// Feeds arbitrary bytes to the options reader: short input is "missing", anything else must
// round-trip to its first 20 bytes.
#include "OptionsFile.h"

#include <cstdlib>
#include <cstring>

using namespace lottery;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto record = DecodeOptions(std::span<const std::uint8_t>(data, size));
    if (size < kOptionsRecordSize) {
        if (record)
            std::abort();
        return 0;
    }
    if (!record)
        std::abort();
    const auto encoded = EncodeOptions(*record);
    if (std::memcmp(encoded.data(), data, kOptionsRecordSize) != 0)
        std::abort();
    return 0;
}
