#pragma once

#include <functional>

namespace lottery {

// Asked now and then, always from the calling thread, while long work goes on: the share done
// so far, 0..1; false stops the work, which then returns marked as cancelled.
using WorkProgress = std::function<bool(double done)>;

} // namespace lottery
