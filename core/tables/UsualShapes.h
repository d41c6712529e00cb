#pragma once

namespace lottery {

// The N to propose for K numbers per draw when the highest number seen is highest: the
// smallest usual N of such lotteries (6/45, 6/49, 5/36, 7/49, ...) that holds it, else the
// highest itself, never below K + 1.
int ProposedN(int K, int highest);

} // namespace lottery
