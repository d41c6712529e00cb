// Feeds arbitrary bytes to the options reader: short input is "missing"; anything else must
// keep every field, and writing it back must be stable (system colours in their one form).
#include "storage/OptionsFile.h"

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
    const auto again = DecodeOptions(encoded);
    if (!again || EncodeOptions(*again) != encoded)
        std::abort();
    // Background and reserved bytes are carried unchanged.
    if (std::memcmp(encoded.data(), data, 4) != 0)
        std::abort();
    for (std::size_t field = 4; field < kOptionsRecordSize; field += 4) {
        const bool system = (data[field + 3] & 0x80) != 0;
        if (!system && std::memcmp(encoded.data() + field, data + field, 4) != 0)
            std::abort();
        if (system && encoded[field] != data[field])
            std::abort(); // the system-colour index survives
    }
    return 0;
}
