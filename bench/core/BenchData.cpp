#include "BenchData.h"

#include "RandomDraws.h"
#include "storage/DrawFile.h"

#include <cstdlib>
#include <filesystem>
#include <random>
#include <stdexcept>

namespace lottery::bench {
namespace {

struct ScratchFolder {
    std::filesystem::path path;
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zhrebikon-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

ScratchFolder& Folder() {
    static ScratchFolder folder;
    return folder;
}

} // namespace

const std::vector<DrawRecord>& MillionDraws() {
    static const std::vector<DrawRecord> draws = [] {
        std::mt19937 rng(1000000);
        return test::RandomDraws(rng, {6, 49}, 1'000'000);
    }();
    return draws;
}

std::string ScratchPath(const std::string& name) {
    return (Folder().path / name).string();
}

const std::string& MillionDrawFile() {
    static const std::string path = [] {
        const std::string p = ScratchPath("million.dat");
        WriteDrawFile(p, MillionDraws(), {6, 49}, TrailerReserved{});
        return p;
    }();
    return path;
}

} // namespace lottery::bench
