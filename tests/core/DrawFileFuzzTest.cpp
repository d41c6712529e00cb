#include "storage/DrawFile.h"
#include "storage/IoError.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace lottery {
namespace {

using Bytes = std::vector<std::uint8_t>;

// What a careful reader must conclude about an image, worked out independently.
bool IsUsable(const Bytes& bytes) {
    const std::size_t records = bytes.size() / 7;
    if (records == 0)
        return false;
    const std::size_t trailer = (records - 1) * 7;
    const int K = bytes[trailer];
    const int N = bytes[trailer + 1];
    if (K < 1 || K > 7 || N <= K || N > 49)
        return false;
    for (std::size_t r = 0; r + 1 < records; ++r)
        for (int p = 0; p < K; ++p) {
            const int n = bytes[r * 7 + static_cast<std::size_t>(p)];
            if (n < 1 || n > N)
                return false;
        }
    return true;
}

// Checks one image: an accepted image must decode to exactly its records; a refused one must
// be refused with the right kind of error.
void CheckImage(const Bytes& bytes) {
    const bool usable = IsUsable(bytes);
    try {
        const DrawFileContent content = DecodeDrawFile(bytes);
        ASSERT_TRUE(usable) << "accepted an unusable image of " << bytes.size() << " bytes";
        ASSERT_TRUE(content.shape.isValid());
        const std::size_t records = bytes.size() / 7;
        ASSERT_EQ(content.draws.size(), records - 1);
        const std::size_t trailer = (records - 1) * 7;
        ASSERT_EQ(content.shape.K, bytes[trailer]);
        ASSERT_EQ(content.shape.N, bytes[trailer + 1]);
        for (std::size_t i = 0; i < 5; ++i)
            ASSERT_EQ(content.reserved[i], bytes[trailer + 2 + i]);
        for (std::size_t r = 0; r + 1 < records; ++r)
            for (std::size_t p = 0; p < 7; ++p)
                ASSERT_EQ(content.draws[r][p], bytes[r * 7 + p]) << "record " << r;
    } catch (const IoError& e) {
        ASSERT_LT(bytes.size(), 7u) << e.what();
        ASSERT_EQ(e.code(), 131);
    } catch (const InvalidContentError&) {
        ASSERT_GE(bytes.size(), 7u);
        ASSERT_FALSE(usable) << "refused a usable image of " << bytes.size() << " bytes";
    }
}

TEST(DrawFileFuzz, RandomImagesAreNeverAcceptedWithABadShapeOrNumber) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> anyByte(0, 255);
    for (int round = 0; round < 5000; ++round) {
        Bytes bytes(std::uniform_int_distribution<std::size_t>(0, 80)(rng));
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(anyByte(rng));
        // Half of the time give the trailer a plausible shape so the draws get looked at.
        if (round % 2 == 0 && bytes.size() >= 7) {
            const std::size_t trailer = (bytes.size() / 7 - 1) * 7;
            const int K = std::uniform_int_distribution<int>(1, 7)(rng);
            bytes[trailer] = static_cast<std::uint8_t>(K);
            bytes[trailer + 1] =
                static_cast<std::uint8_t>(std::uniform_int_distribution<int>(K + 1, 49)(rng));
        }
        CheckImage(bytes);
        if (HasFatalFailure())
            return;
    }
}

TEST(DrawFileFuzz, ValidImagesWithSmallDamageAndEveryTruncationAreJudgedRight) {
    std::mt19937 rng(49);
    for (int round = 0; round < 400; ++round) {
        const int K = std::uniform_int_distribution<int>(1, 7)(rng);
        const int N = std::uniform_int_distribution<int>(K + 1, 49)(rng);
        const int draws = std::uniform_int_distribution<int>(0, 12)(rng);
        Bytes bytes;
        for (int d = 0; d < draws; ++d)
            for (int p = 0; p < 7; ++p)
                bytes.push_back(static_cast<std::uint8_t>(
                    p < K ? std::uniform_int_distribution<int>(1, N)(rng)
                          : std::uniform_int_distribution<int>(0, 255)(rng)));
        for (int b : {K, N, 0, 0, 0, 0, 0})
            bytes.push_back(static_cast<std::uint8_t>(b));
        // Damage: a few bytes set to a value at or just beyond an edge.
        if (round % 3 != 0) {
            const int hits = std::uniform_int_distribution<int>(1, 2)(rng);
            for (int h = 0; h < hits; ++h) {
                const std::size_t at =
                    std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(rng);
                const int edges[] = {0, 1, N, N + 1, 49, 50, 255, K, 7, 8};
                bytes[at] =
                    static_cast<std::uint8_t>(edges[std::uniform_int_distribution<int>(0, 9)(rng)]);
            }
        }
        for (std::size_t size = 0; size <= bytes.size(); ++size) {
            CheckImage(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)));
            if (HasFatalFailure())
                return;
        }
    }
}

} // namespace
} // namespace lottery
