#include "storage/SaveTemporaries.h"

#include "storage/PathParts.h"

#include <algorithm>
#include <chrono>
#include <filesystem>

namespace lottery {
namespace {

const std::string kMarker = ".tmp-";

// A young temporary may belong to a save still running in another instance.
constexpr auto kStaleAfter = std::chrono::minutes(1);

bool AllDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::string TemporaryPath(const std::string& path, long process, unsigned counter) {
    return DirectoryPart(path) + "/." + FileNamePart(path) + kMarker + std::to_string(process) +
           "-" + std::to_string(counter);
}

bool IsTemporaryOf(const std::string& entryName, const std::string& targetName) {
    const std::string prefix = "." + targetName + kMarker;
    if (entryName.size() <= prefix.size() || entryName.compare(0, prefix.size(), prefix) != 0)
        return false;
    const std::string rest = entryName.substr(prefix.size());
    const std::size_t dash = rest.find('-');
    return dash != std::string::npos && AllDigits(rest.substr(0, dash)) &&
           AllDigits(rest.substr(dash + 1));
}

void RemoveStaleTemporaries(const std::string& path, FileSystem& fs) {
    namespace stdfs = std::filesystem;
    const std::string targetName = FileNamePart(path);
    const auto now = stdfs::file_time_type::clock::now();
    std::error_code error;
    stdfs::directory_iterator entry(DirectoryPart(path), error);
    for (; !error && entry != stdfs::directory_iterator(); entry.increment(error)) {
        if (!IsTemporaryOf(entry->path().filename().string(), targetName))
            continue;
        // Links are not followed: a link of that name is not ours, nor what it points to.
        std::error_code statError;
        if (entry->symlink_status(statError).type() != stdfs::file_type::regular)
            continue;
        const auto written = entry->last_write_time(statError);
        if (!statError && now - written > kStaleAfter)
            fs.unlink(entry->path().c_str());
    }
}

} // namespace lottery
