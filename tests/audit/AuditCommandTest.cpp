#include "AuditCommand.h"

#include "RandomDraws.h"
#include "TempDir.h"
#include "audit/AuditDesign.h"
#include "storage/DrawFile.h"

#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <sys/stat.h>

namespace lottery::test {
namespace {

// --audit on a read-only database: every applicable test named with its statistic and p in
// --json, --last choosing the draws, the file untouched; mistakes and unusable files give
// their exit codes and a reason.
TEST(AuditCommand, ReadsTheDatabaseAndReportsEveryTest) {
    TempDir dir;
    std::mt19937 rng(5);
    const std::vector<DrawRecord> draws = RandomDraws(rng, {5, 36}, 700);
    const std::vector<std::uint8_t> bytes = EncodeDrawFile(draws, {5, 36}, {});
    dir.write("h.dat", bytes);
    dir.setMode("h.dat", S_IRUSR);

    std::ostringstream out, err;
    ASSERT_EQ(RunAudit({dir.file("h.dat"), "--last", "300", "--json"}, out, err), 0) << err.str();
    const std::string json = out.str();
    EXPECT_NE(json.find("\"draws\": 300,"), std::string::npos) << json;
    for (int t = 0; t < audit::kTestCount; ++t)
        EXPECT_NE(json.find("{\"name\": \"" +
                            std::string(audit::TestName(static_cast<audit::TestKind>(t))) +
                            "\", \"statistic\": "),
                  std::string::npos)
            << json;
    EXPECT_NE(json.find("\"verdict\": \"fair\"}"), std::string::npos) << json;
    EXPECT_EQ(dir.read("h.dat"), bytes);

    std::ostringstream text;
    EXPECT_EQ(RunAudit({dir.file("h.dat")}, text, err), 0);
    EXPECT_NE(text.str().find("в проверке 700 тиражей"), std::string::npos) << text.str();

    dir.write("bad.dat", {1, 2, 3});
    for (const auto& [args, code] : std::vector<std::pair<std::vector<std::string>, int>>{
             {{}, 2},
             {{dir.file("h.dat"), "--last", "0"}, 2},
             {{dir.file("h.dat"), "--last", "3x"}, 2},
             {{dir.file("h.dat"), "--wrong"}, 2},
             {{dir.file("none.dat")}, 1},
             {{dir.file("bad.dat")}, 1}}) {
        std::ostringstream quiet, reason;
        EXPECT_EQ(RunAudit(args, quiet, reason), code);
        EXPECT_FALSE(reason.str().empty());
        EXPECT_TRUE(quiet.str().empty());
    }
}

} // namespace
} // namespace lottery::test
