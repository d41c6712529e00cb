#include "wheels/WheelProblem.h"

#include "wheels/Combinatorics.h"

#include <algorithm>
#include <set>

namespace wheels {

namespace {

// The first number outside 1..N or named twice, as a Russian reason, or "".
std::string ListError(const std::vector<int>& list, int largestNumber, const char* what) {
    std::set<int> seen;
    for (const int number : list) {
        if (number < 1 || number > largestNumber)
            return "Число " + std::to_string(number) + " вне 1.." + std::to_string(largestNumber) +
                   " (" + what + ")";
        if (!seen.insert(number).second)
            return "Число " + std::to_string(number) + " названо дважды (" + what + ")";
    }
    return {};
}

} // namespace

std::string ProblemError(const WheelProblem& p, int largestNumber) {
    if (largestNumber < 1 || largestNumber > kMaxPositions)
        return "Лотерея не больше чем из " + std::to_string(kMaxPositions) + " чисел";
    if (std::string error = ListError(p.numbers, largestNumber, "выбранные числа"); !error.empty())
        return error;
    if (std::string error = ListError(p.keys, largestNumber, "ключевые числа"); !error.empty())
        return error;
    const int v = static_cast<int>(p.numbers.size());
    const int K = p.ticketSize;
    if (K < 1 || K > largestNumber)
        return "В билете от 1 до " + std::to_string(largestNumber) + " чисел";
    if (v < K)
        return "Выбрано чисел: " + std::to_string(v) + " — меньше, чем в билете (" +
               std::to_string(K) + ")";
    if (p.t < 1 || p.m < 1)
        return "Гарантия T/M: T и M не меньше 1";
    if (p.t > p.m)
        return "Гарантия " + std::to_string(p.t) + "/" + std::to_string(p.m) +
               ": T не может быть больше M";
    if (p.m > K)
        return "Гарантия " + std::to_string(p.t) + "/" + std::to_string(p.m) +
               ": M не может быть больше чисел в билете (" + std::to_string(K) + ")";
    for (const int key : p.keys)
        if (std::find(p.numbers.begin(), p.numbers.end(), key) == p.numbers.end())
            return "Ключевое число " + std::to_string(key) + " не среди выбранных";
    const int k = static_cast<int>(p.keys.size());
    if (k > K)
        return "Ключевых чисел: " + std::to_string(k) + " — больше, чем в билете (" +
               std::to_string(K) + ")";
    // The m-set hardest to reach avoids the keys as far as it can; a ticket meets it in its
    // keys it holds plus at most K - k more.
    const int outside = std::min(p.m, v - k);
    if (p.m - outside + std::min(K - k, outside) < p.t)
        return "Гарантия " + std::to_string(p.t) + "/" + std::to_string(p.m) +
               " недостижима, когда ключевых чисел " + std::to_string(k);
    return {};
}

std::string SearchSizeError(const WheelProblem& p) {
    const std::uint64_t sets = Binomial(static_cast<int>(p.numbers.size()), p.m);
    if (sets > kLargestSearch)
        return "Слишком много сочетаний по " + std::to_string(p.m) + " из " +
               std::to_string(p.numbers.size()) + " (" + std::to_string(sets) +
               "): выберите меньше чисел или меньшее M";
    return {};
}

std::uint64_t FullWheelSize(const WheelProblem& p) {
    const int k = static_cast<int>(p.keys.size());
    return Binomial(static_cast<int>(p.numbers.size()) - k, p.ticketSize - k);
}

} // namespace wheels
