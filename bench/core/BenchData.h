#pragma once

#include "lottery/DrawRecord.h"

#include <string>
#include <vector>

namespace lottery::bench {

// The same random 6-out-of-49 history for every benchmark, made once on first use.
const std::vector<DrawRecord>& MillionDraws();

// A draw file of MillionDraws() in a private temporary folder, written once on first use.
const std::string& MillionDrawFile();

// A path in the same private folder.
std::string ScratchPath(const std::string& name);

} // namespace lottery::bench
