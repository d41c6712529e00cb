#pragma once

#include "DocumentListener.h"

#include <string>
#include <vector>

namespace lottery::test {

// Writes down every notification of the document as one short line, so a test can compare
// the whole sequence the window would have seen.
class RecordingListener : public DocumentListener {
public:
    void shapeApplied(LotteryShape shape) override {
        events.push_back("shapeApplied " + std::to_string(shape.K) + "/" + std::to_string(shape.N));
    }
    void drawListReset() override { events.emplace_back("drawListReset"); }
    void drawAppended(int index) override {
        events.push_back("drawAppended " + std::to_string(index));
    }
    void tablesBlanked(int N) override { events.push_back("tablesBlanked " + std::to_string(N)); }
    void pageReset() override { events.emplace_back("pageReset"); }
    void changedFlagChanged(bool changed) override {
        events.push_back(std::string("changedFlagChanged ") + (changed ? "true" : "false"));
    }

    bool saw(const std::string& event) const {
        for (const std::string& e : events)
            if (e == event)
                return true;
        return false;
    }
    // Position of the first occurrence, or -1.
    int indexOf(const std::string& event) const {
        for (std::size_t i = 0; i < events.size(); ++i)
            if (events[i] == event)
                return static_cast<int>(i);
        return -1;
    }

    std::vector<std::string> events;
};

} // namespace lottery::test
