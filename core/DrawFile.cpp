#include "DrawFile.h"

#include "AtomicFile.h"
#include "IoError.h"

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

DrawFileContent DecodeDrawFile(std::span<const std::uint8_t> bytes) {
    const std::size_t records = bytes.size() / kRecordSize; // a partial record is ignored
    if (records == 0)
        throw IoError(io_code::kSeekBeforeStart); // the trailer would lie before the start
    const std::uint8_t* trailer = bytes.data() + (records - 1) * kRecordSize;

    DrawFileContent content;
    content.shape.K = trailer[0];
    content.shape.N = trailer[1];
    std::copy(trailer + 2, trailer + kRecordSize, content.reserved.begin());
    if (!content.shape.isValid())
        throw InvalidContentError();

    static_assert(sizeof(DrawRecord) == kRecordSize);
    content.draws.resize(records - 1);
    if (records > 1)
        std::memcpy(content.draws.data(), bytes.data(), (records - 1) * kRecordSize);
    const int K = content.shape.K;
    const int N = content.shape.N;
    // Only positions 1..K mean anything; a number outside 1..N there would index outside the
    // statistics, so such a file is refused as a whole.
    for (const DrawRecord& draw : content.draws)
        for (int p = 0; p < K; ++p) {
            const int number = draw[static_cast<std::size_t>(p)];
            if (number < 1 || number > N)
                throw InvalidContentError();
        }
    return content;
}

DrawFileContent ReadDrawFile(const std::string& path, FileSystem& fs) {
    const std::vector<std::uint8_t> bytes = ReadWholeFileForUpdate(path, fs);
    return DecodeDrawFile(bytes);
}

void WriteDrawFile(const std::string& path, std::span<const DrawRecord> draws, LotteryShape shape,
                   const TrailerReserved& reserved, FileSystem& fs) {
    const std::vector<std::uint8_t> bytes = EncodeDrawFile(draws, shape, reserved);
    WriteFileAtomically(path, bytes, fs);
}

} // namespace lottery
