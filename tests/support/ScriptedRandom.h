#pragma once

#include "lottery/RandomSource.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace lottery::test {

// Returns the scripted values in turn and remembers every range it was asked for. Running past
// the script or being given a value outside the range asked is a test failure, reported by
// an exception so the code under test cannot loop on it.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<std::uint32_t> script) : script_(std::move(script)) {}

    std::uint32_t Random(std::uint32_t range) override {
        ranges.push_back(range);
        if (next_ >= script_.size())
            throw std::logic_error("scripted random source ran out of values");
        const std::uint32_t value = script_[next_++];
        if (range != 0 && value >= range)
            throw std::logic_error("scripted value outside the range asked for");
        return value;
    }

    bool exhausted() const { return next_ == script_.size(); }

    std::vector<std::uint32_t> ranges;

private:
    std::vector<std::uint32_t> script_;
    std::size_t next_ = 0;
};

} // namespace lottery::test
