#pragma once

#include "storage/FileSystem.h"

#include <cstdint>
#include <span>
#include <string>

namespace lottery {

// A writable file in a folder that takes no new file cannot be replaced by a rename; it is
// rewritten in place. So that a kill half-way cannot leave it torn, its old bytes are first
// kept in a journal in the user's state folder ($XDG_STATE_HOME, else ~/.local/state, under
// "zhrebikon"), and the journal goes once the new bytes are whole. The next read or save of the
// file finds a journal left by a killed rewrite and puts the old bytes back, unless the new
// ones were already whole. Where no journal can be written the rewrite is refused (IoError).
void RewriteInPlace(const std::string& path, std::span<const std::uint8_t> bytes, FileSystem& fs);

// Completes what a killed rewrite of path left: the file ends as its old or its new bytes and
// the journal is removed. Nothing happens when there is no journal for the file, or when the
// file may not be written (it is then refused by its caller anyway). Throws IoError when the
// old bytes cannot be put back; the journal then stays for the next attempt.
void FinishInterruptedRewrite(const std::string& path, FileSystem& fs);

// The folder of the journals.
std::string RewriteJournalFolder();

} // namespace lottery
