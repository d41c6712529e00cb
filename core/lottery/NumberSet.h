#pragma once

#include <bitset>

namespace lottery {

// A set of lottery numbers 0..55; numbers outside that range are never members.
class NumberSet {
public:
    static constexpr int kHighest = 55;

    void clear() { bits_.reset(); }
    void add(int n) {
        if (inRange(n))
            bits_.set(static_cast<std::size_t>(n));
    }
    void remove(int n) {
        if (inRange(n))
            bits_.reset(static_cast<std::size_t>(n));
    }
    bool contains(int n) const { return inRange(n) && bits_.test(static_cast<std::size_t>(n)); }
    int count() const { return static_cast<int>(bits_.count()); }
    bool empty() const { return bits_.none(); }
    NumberSet intersection(const NumberSet& other) const {
        NumberSet result;
        result.bits_ = bits_ & other.bits_;
        return result;
    }
    bool operator==(const NumberSet&) const = default;

private:
    static constexpr bool inRange(int n) { return n >= 0 && n <= kHighest; }
    std::bitset<kHighest + 1> bits_;
};

} // namespace lottery
