#pragma once

#include <cstdint>

// How few tickets a wheel can possibly have: shown beside every wheel found, so the distance
// to the best possible is known.
namespace wheels {

// The Schönheim bound on coverings of every t-set of v numbers by K-sets:
// ceil(v/K * ceil((v-1)/(K-1) * ... ceil((v-t+1)/(K-t+1)))).
std::uint64_t SchoenheimBound(int v, int K, int t);

// C(v, m) over the number of m-sets one ticket of K meets in t or more, rounded up.
std::uint64_t CountingBound(int v, int K, int t, int m);

// The better of the bounds that apply to "t если m" (Schönheim only when t = m). Key numbers
// only restrict the tickets, so the bound holds with them as well.
std::uint64_t WheelLowerBound(int v, int K, int t, int m);

} // namespace wheels
