#pragma once

#include "storage/FileSystem.h"

#include <string>

namespace lottery {

// A save writes its temporary beside the file as ".<name>.tmp-<process>-<counter>".
// The path of that temporary.
std::string TemporaryPath(const std::string& path, long process, unsigned counter);
// Whether a folder entry is a temporary of the file named targetName, by that pattern.
bool IsTemporaryOf(const std::string& entryName, const std::string& targetName);

// Removes what saves of path that were killed half-way left behind: regular files of the
// pattern above, last written more than a minute ago. Anything else in the folder is left
// alone, and a failure only leaves the temporary where it is.
void RemoveStaleTemporaries(const std::string& path, FileSystem& fs);

} // namespace lottery
