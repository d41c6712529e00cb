#include "tickets/WheelChances.h"

#include "chance/ChanceMath.h"
#include "wheels/Combinatorics.h"
#include "wheels/SubsetWalk.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

// Beyond this many ticket-against-intersection comparisons the exact walk takes seconds.
constexpr double kExactWork = 40e6;
constexpr long long kSamples = 200'000;

} // namespace

WheelChances WheelChances::Of(const std::vector<std::vector<int>>& tickets,
                              const std::vector<int>& chosen, int K, int N) {
    WheelChances out;
    const int v = static_cast<int>(chosen.size());
    const int lowest = K >= 3 ? 2 : 1;
    for (int level = K; level >= lowest; --level)
        out.levels.push_back(level);

    // Tickets as masks over the positions of the chosen numbers.
    std::vector<wheels::Mask> masks;
    for (const auto& ticket : tickets) {
        wheels::Mask mask = 0;
        for (int number : ticket) {
            const auto at = std::find(chosen.begin(), chosen.end(), number);
            if (at != chosen.end())
                mask |= wheels::Bit(static_cast<int>(at - chosen.begin()));
        }
        masks.push_back(mask);
    }
    auto best = [&masks](wheels::Mask drawn) {
        int most = 0;
        for (wheels::Mask m : masks)
            most = std::max(most, wheels::Count(m & drawn));
        return most;
    };

    // atLeast[j]: P(the best ticket matches j or more), j = 0..K.
    std::vector<double> atLeast(static_cast<std::size_t>(K) + 2, 0.0);
    double work = 0;
    for (int i = 0; i <= std::min(K, v); ++i)
        work += static_cast<double>(wheels::Binomial(v, i)) * static_cast<double>(masks.size());
    const double all = static_cast<double>(wheels::Binomial(N, K));
    if (work <= kExactWork) {
        // A fair draw meets the chosen numbers in i of them with the hypergeometric weight,
        // each i-set of them equally likely.
        for (int i = 0; i <= std::min(K, v); ++i) {
            const double weight = static_cast<double>(wheels::Binomial(v, i)) *
                                  static_cast<double>(wheels::Binomial(N - v, K - i)) / all;
            if (weight == 0)
                continue;
            std::vector<double> reaching(static_cast<std::size_t>(K) + 2, 0.0);
            wheels::ForEachSubset(wheels::FirstPositions(v), i, [&](wheels::Mask drawn) {
                reaching[static_cast<std::size_t>(best(drawn))] += 1;
            });
            const double sets = static_cast<double>(wheels::Binomial(v, i));
            for (int j = K; j >= 0; --j) {
                reaching[static_cast<std::size_t>(j)] += reaching[static_cast<std::size_t>(j) + 1];
                atLeast[static_cast<std::size_t>(j)] +=
                    weight * reaching[static_cast<std::size_t>(j)] / sets;
            }
        }
    } else {
        out.exact = false;
        out.sampledDraws = kSamples;
        std::mt19937_64 random(2024);
        std::vector<int> balls(static_cast<std::size_t>(N));
        for (int n = 0; n < N; ++n)
            balls[static_cast<std::size_t>(n)] = n + 1;
        std::vector<double> reaching(static_cast<std::size_t>(K) + 2, 0.0);
        for (long long s = 0; s < kSamples; ++s) {
            wheels::Mask drawn = 0;
            for (int k = 0; k < K; ++k) {
                std::uniform_int_distribution<int> pick(k, N - 1);
                std::swap(balls[static_cast<std::size_t>(k)],
                          balls[static_cast<std::size_t>(pick(random))]);
                const auto at =
                    std::find(chosen.begin(), chosen.end(), balls[static_cast<std::size_t>(k)]);
                if (at != chosen.end())
                    drawn |= wheels::Bit(static_cast<int>(at - chosen.begin()));
            }
            reaching[static_cast<std::size_t>(best(drawn))] += 1;
        }
        for (int j = K; j >= 0; --j) {
            reaching[static_cast<std::size_t>(j)] += reaching[static_cast<std::size_t>(j) + 1];
            atLeast[static_cast<std::size_t>(j)] =
                reaching[static_cast<std::size_t>(j)] / static_cast<double>(kSamples);
        }
    }

    // Random tickets are independent given the draw: each reaches j with the same chance.
    const std::vector<double> exactly = lottery::MatchProbabilities(K, N);
    const double n = static_cast<double>(tickets.size());
    for (int level : out.levels) {
        double one = 0;
        for (int k = level; k <= K; ++k)
            one += exactly[static_cast<std::size_t>(k)];
        out.wheel.push_back(atLeast[static_cast<std::size_t>(level)]);
        out.random.push_back(1 - std::pow(1 - one, n));
        out.expectedTickets.push_back(n * exactly[static_cast<std::size_t>(level)]);
    }
    return out;
}
