#pragma once

#include "lottery/DrawRecord.h"

#include <cstdint>
#include <vector>

namespace lottery {

// One change of the draw list: removeCount draws from position first are replaced by the
// draws of insert. Appending, deleting and replacing draws are all edits of this one kind, so
// an undo stack needs nothing but edits: applying one returns the edit that takes it back.
struct DrawEdit {
    int first = 0;
    int removeCount = 0;
    std::vector<DrawRecord> insert;
    // The document state the edit leads to; 0 for a state never seen before. The inverse of an
    // edit carries the state it returns to, so undoing back to the state last saved makes the
    // document unchanged again, and redoing makes it changed.
    std::uint64_t resultState = 0;

    bool operator==(const DrawEdit&) const = default;
};

} // namespace lottery
