#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace lottery::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    // The names in the folder, sorted.
    std::vector<std::string> listing() const;

    void write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    std::vector<std::uint8_t> read(const std::string& name) const;
    void setMode(const std::string& name, mode_t mode) const;
    mode_t mode(const std::string& name) const;

private:
    std::filesystem::path path_;
};

} // namespace lottery::test
