#pragma once

#include "lottery/DrawRecord.h"

#include <cstddef>
#include <optional>
#include <span>

namespace lottery {

// When newer begins with every draw of current (the numbers of each as a set, since a draw
// entered by hand may list them in another order) and has more: the index in newer of its
// first new draw. nullopt otherwise, also when current is empty.
std::optional<std::size_t> NewDrawsStartAt(std::span<const DrawRecord> current,
                                           std::span<const DrawRecord> newer, int K);

} // namespace lottery
