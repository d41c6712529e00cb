#include "storage/OptionsFile.h"

#include "storage/AtomicFile.h"
#include "storage/IoError.h"

namespace lottery {
namespace {

void PutInt32(std::uint8_t* at, std::int32_t value) {
    // System colours are written in the one documented form, whatever form they were read in.
    if (colour::IsSystem(value))
        value = colour::System(colour::SystemIndex(value));
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::int32_t GetInt32(const std::uint8_t* at) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    return static_cast<std::int32_t>(v);
}

} // namespace

std::array<std::uint8_t, kOptionsRecordSize> EncodeOptions(const OptionsRecord& record) {
    std::array<std::uint8_t, kOptionsRecordSize> bytes{};
    bytes[0] = record.background;
    for (std::size_t i = 0; i < record.reserved.size(); ++i)
        bytes[1 + i] = record.reserved[i];
    PutInt32(&bytes[4], record.titleColour);
    PutInt32(&bytes[8], record.tableFontColour);
    PutInt32(&bytes[12], record.tableBackColour);
    PutInt32(&bytes[16], record.tableHeadColour);
    return bytes;
}

std::optional<OptionsRecord> DecodeOptions(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kOptionsRecordSize)
        return std::nullopt;
    OptionsRecord record;
    record.background = bytes[0];
    for (std::size_t i = 0; i < record.reserved.size(); ++i)
        record.reserved[i] = bytes[1 + i];
    record.titleColour = GetInt32(&bytes[4]);
    record.tableFontColour = GetInt32(&bytes[8]);
    record.tableBackColour = GetInt32(&bytes[12]);
    record.tableHeadColour = GetInt32(&bytes[16]);
    return record;
}

void SaveOptions(const std::string& path, const OptionsRecord& record, FileSystem& fs) {
    const auto bytes = EncodeOptions(record);
    WriteFileAtomically(path, bytes, fs);
}

std::optional<OptionsRecord> LoadOptions(const std::string& path, FileSystem& fs) {
    try {
        const std::vector<std::uint8_t> bytes =
            ReadWholeFileForUpdate(path, fs, kOptionsRecordSize);
        return DecodeOptions(bytes);
    } catch (const IoError&) {
        return std::nullopt; // read silently: the defaults stay
    }
}

} // namespace lottery
