#include "TempDir.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>

namespace lottery::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zhrebikon-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    // Read-only files must not keep the folder alive when the tests do not run as root.
    for (const auto& entry : std::filesystem::directory_iterator(path_, ignored))
        ::chmod(entry.path().c_str(), 0600);
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TempDir::listing() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void TempDir::write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + name);
}

std::vector<std::uint8_t> TempDir::read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + name);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void TempDir::setMode(const std::string& name, mode_t mode) const {
    if (::chmod(file(name).c_str(), mode) != 0)
        throw std::runtime_error("cannot change the mode of " + name);
}

mode_t TempDir::mode(const std::string& name) const {
    struct stat info {};
    if (::stat(file(name).c_str(), &info) != 0)
        throw std::runtime_error("cannot stat " + name);
    return info.st_mode & 07777;
}

} // namespace lottery::test
