#pragma once

#include "DrawRecord.h"

#include <cstdint>
#include <vector>

namespace lottery {

// The one way the list of draws is changed after it was started or opened: removeCount
// draws from index first on are replaced by insert.
struct DrawEdit {
    std::int32_t first = 0;
    std::int32_t removeCount = 0;
    std::vector<DrawRecord> insert;
};

// One undoable step: edits applied in order, with the statistics recomputed once after them.
// Applying a change returns its exact inverse, which names the state it brings back so that
// undoing to the state last saved makes the document unchanged again.
struct DrawChange {
    std::vector<DrawEdit> edits;
    std::uint64_t restoresState = 0; // 0: a new state
};

} // namespace lottery
