#include "chance/ChartFigures.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace lottery {

FrequencyFigure FrequencyFigureOf(const HistoryIndex& index, long long window) {
    const LotteryShape shape = index.shape();
    FrequencyFigure figure;
    figure.draws = index.clampWindow(window);
    figure.counts = index.frequencies(figure.draws);
    figure.expected = ExpectedCount(figure.draws, shape.K, shape.N);
    figure.band = BinomialBand(figure.draws, static_cast<double>(shape.K) / shape.N);
    const double chance = static_cast<double>(shape.K) / shape.N;
    figure.expectedOutside = shape.N * BinomialOutside(figure.draws, chance, figure.band);
    figure.test = TestEqualFrequencies(figure.counts, figure.draws, shape.K);
    if (figure.draws > 0) {
        for (int n = 1; n <= shape.N; ++n)
            if (!figure.band.contains(figure.counts[static_cast<std::size_t>(n) - 1]))
                figure.outsideBand.push_back(n);
    }
    return figure;
}

OverdueFigure OverdueFigureOf(const HistoryIndex& index, long long window, int listed) {
    const LotteryShape shape = index.shape();
    OverdueFigure figure;
    figure.shape = shape;
    figure.draws = index.clampWindow(window);
    figure.all = index.drawCount();
    figure.drawsSince = index.drawsSince(figure.draws);
    figure.expectedGap = ExpectedGap(shape.K, shape.N);
    std::vector<int> numbers(shape.N);
    std::iota(numbers.begin(), numbers.end(), 1);
    const auto since = [&figure](int n) {
        return figure.drawsSince[static_cast<std::size_t>(n) - 1];
    };
    // A number of the latest draw waits for nothing.
    std::erase_if(numbers, [&](int n) { return since(n) == 0; });
    std::stable_sort(numbers.begin(), numbers.end(),
                     [&](int a, int b) { return since(a) > since(b); });
    numbers.resize(
        std::min<std::size_t>(numbers.size(), static_cast<std::size_t>(std::max(listed, 0))));
    for (int n : numbers)
        figure.tail.push_back(GapTail(since(n), shape.K, shape.N));
    figure.mostOverdue = std::move(numbers);
    return figure;
}

PairFigure PairFigureOf(const HistoryIndex& index, long long window) {
    const LotteryShape shape = index.shape();
    PairFigure figure;
    figure.draws = index.clampWindow(window);
    figure.N = shape.N;
    figure.together = index.pairCounts(figure.draws);
    // A given pair is among the K numbers of a draw with probability K(K-1) / (N(N-1)).
    const double pairChance = static_cast<double>(shape.K) * (shape.K - 1) /
                              (static_cast<double>(shape.N) * (shape.N - 1));
    figure.expected = static_cast<double>(figure.draws) * pairChance;
    figure.band = BinomialBand(figure.draws, pairChance);
    figure.expectedOutside =
        shape.N * (shape.N - 1) / 2.0 * BinomialOutside(figure.draws, pairChance, figure.band);
    for (int i = 1; i <= shape.N; ++i)
        for (int j = i + 1; j <= shape.N; ++j)
            if (!figure.band.contains(figure.at(i, j)))
                figure.pairsOutsideBand += 1;
    return figure;
}

TicketCheck CheckTicket(const HistoryIndex& index, const NumberSet& ticket, int listed) {
    const LotteryShape shape = index.shape();
    std::uint64_t mask = 0;
    for (int n = 1; n <= shape.N; ++n)
        if (ticket.contains(n))
            mask |= std::uint64_t{1} << n;
    const int K = shape.K;
    TicketCheck check;
    check.drawsMatching.assign(static_cast<std::size_t>(K) + 1, 0);
    std::vector<std::uint8_t> matches(static_cast<std::size_t>(index.drawCount()));
    for (long long d = 0; d < index.drawCount(); ++d) {
        const int m = std::min(std::popcount(index.numbersOf(d) & mask), K);
        matches[static_cast<std::size_t>(d)] = static_cast<std::uint8_t>(m);
        check.drawsMatching[static_cast<std::size_t>(m)] += 1;
    }
    const std::vector<double> chance = MatchProbabilities(K, shape.N);
    for (double p : chance)
        check.expected.push_back(p * static_cast<double>(index.drawCount()));
    // From the best level down, the latest draws first, until `listed` are found.
    for (int m = K; m >= 0 && static_cast<int>(check.best.size()) < listed; --m) {
        for (long long d = index.drawCount() - 1;
             d >= 0 && static_cast<int>(check.best.size()) < listed; --d)
            if (matches[static_cast<std::size_t>(d)] == m)
                check.best.push_back({d + 1, m});
    }
    return check;
}

} // namespace lottery
