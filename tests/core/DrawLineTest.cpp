#include "lottery/DrawRecord.h"

#include <gtest/gtest.h>
#include <string>

namespace lottery {
namespace {

struct DrawLineCase {
    DrawRecord record;
    int K;
    std::string line;
};

class DrawLineText : public ::testing::TestWithParam<DrawLineCase> {};

TEST_P(DrawLineText, ListsTheFirstKNumbersInEntryOrderEachFollowedByTwoBlanks) {
    EXPECT_EQ(DrawLine(GetParam().record, GetParam().K), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DrawLineText,
    ::testing::Values(DrawLineCase{{3, 17, 22, 30, 41, 45, 0}, 6, "3  17  22  30  41  45  "},
                      DrawLineCase{{7, 0, 0, 0, 0, 0, 0}, 1, "7  "},
                      // Entry order, not sorted; bytes after K are never shown.
                      DrawLineCase{{45, 3, 30, 255, 254, 0, 9}, 3, "45  3  30  "},
                      DrawLineCase{{49, 48, 47, 46, 45, 44, 43}, 7, "49  48  47  46  45  44  43  "},
                      DrawLineCase{{10, 1, 0, 0, 0, 0, 0}, 2, "10  1  "}));

} // namespace
} // namespace lottery
