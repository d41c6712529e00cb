#pragma once

#include <string>

namespace lottery {

// The folder of a path ("." for a bare name, "/" for a file in the root).
std::string DirectoryPart(const std::string& path);
// The file-name part of a path ("draws.dat" for "/home/u/draws.dat").
std::string FileNamePart(const std::string& path);

} // namespace lottery
