#pragma once

#include <string>

namespace lottery::bench {

// Adds the benchmarks on the real 6/49 history when it lies beside the project.
void RegisterHistoryBenchmarks(const std::string& sourceDir);

} // namespace lottery::bench
