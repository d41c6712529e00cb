#include "storage/DrawFile.h"

#include "storage/AtomicFile.h"
#include "storage/InputFile.h"
#include "storage/IoError.h"

#include <algorithm>
#include <cstring>

namespace lottery {

std::vector<std::uint8_t> EncodeDrawFile(std::span<const DrawRecord> draws, LotteryShape shape,
                                         const TrailerReserved& reserved) {
    std::vector<std::uint8_t> bytes((draws.size() + 1) * kRecordSize);
    if (!draws.empty())
        std::memcpy(bytes.data(), draws.data(), draws.size() * kRecordSize);
    std::uint8_t* trailer = bytes.data() + draws.size() * kRecordSize;
    trailer[0] = shape.K;
    trailer[1] = shape.N;
    std::copy(reserved.begin(), reserved.end(), trailer + 2);
    return bytes;
}

namespace {

// Takes the last whole record as the trailer and checks everything; records holds every whole
// record of the file.
DrawFileContent SplitAndCheck(std::vector<DrawRecord> records) {
    if (records.empty())
        throw IoError(io_code::kSeekBeforeStart); // the trailer would lie before the start
    const DrawRecord trailer = records.back();
    records.pop_back();

    DrawFileContent content;
    content.shape.K = trailer[0];
    content.shape.N = trailer[1];
    std::copy(trailer.begin() + 2, trailer.end(), content.reserved.begin());
    if (!content.shape.isValid())
        throw InvalidContentError();
    const int K = content.shape.K;
    const int N = content.shape.N;
    // Only positions 1..K mean anything; a number outside 1..N there would index outside the
    // statistics, so such a file is refused as a whole.
    for (const DrawRecord& draw : records)
        for (int p = 0; p < K; ++p) {
            const int number = draw[static_cast<std::size_t>(p)];
            if (number < 1 || number > N)
                throw InvalidContentError();
        }
    content.draws = std::move(records);
    return content;
}

} // namespace

DrawFileContent DecodeDrawFile(std::span<const std::uint8_t> bytes) {
    static_assert(sizeof(DrawRecord) == kRecordSize);
    std::vector<DrawRecord> records(bytes.size() / kRecordSize); // a partial record is ignored
    if (!records.empty())
        std::memcpy(records.data(), bytes.data(), records.size() * kRecordSize);
    return SplitAndCheck(std::move(records));
}

bool IsDrawFileContent(std::span<const std::uint8_t> bytes) {
    // A text's last record holds printable characters where the trailer's K (1..7) would be,
    // so no table passes; anything that decodes is a database.
    try {
        DecodeDrawFile(bytes);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::optional<bool> IsDrawFileAt(const std::string& path, FileSystem& fs) {
    try {
        const std::string bytes = ReadInputFile(path, fs);
        return IsDrawFileContent(
            std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

DrawFileContent ReadDrawFile(const std::string& path, FileSystem& fs) {
    // The records are read straight into their final place: no second copy of a large file.
    std::vector<DrawRecord> records;
    ReadFileForUpdate(path, fs, [&records](std::size_t size) {
        records.resize(size / kRecordSize);
        return std::span<std::uint8_t>(reinterpret_cast<std::uint8_t*>(records.data()),
                                       records.size() * kRecordSize);
    });
    return SplitAndCheck(std::move(records));
}

void WriteDrawFile(const std::string& path, std::span<const DrawRecord> draws, LotteryShape shape,
                   const TrailerReserved& reserved, FileSystem& fs) {
    const std::vector<std::uint8_t> bytes = EncodeDrawFile(draws, shape, reserved);
    WriteFileAtomically(path, bytes, fs);
}

} // namespace lottery
