#pragma once

#include "lottery/DocumentListener.h"
#include "lottery/LotteryDocument.h"

#include <string>
#include <vector>

namespace lottery::test {

// Writes down every notification of the document as one short line, so a test can compare
// the whole sequence the window would have seen.
class RecordingListener : public DocumentListener {
public:
    void lotteryStarted(LotteryShape shape) override {
        events.push_back("lotteryStarted " + std::to_string(shape.K) + "/" +
                         std::to_string(shape.N));
    }
    void drawsReplaced() override { events.emplace_back("drawsReplaced"); }
    void drawsEdited(int first, int removed, int inserted) override {
        events.push_back("drawsEdited " + std::to_string(first) + " " + std::to_string(removed) +
                         " " + std::to_string(inserted));
    }
    void fileNamed(const std::string& title) override { events.push_back("fileNamed " + title); }
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

// The add button's way in record mode: the numbers marked, then the card recorded.
inline void RecordDraw(LotteryDocument& doc, const std::vector<int>& numbers) {
    for (int n : numbers)
        doc.MarkNumber(n);
    doc.RecordCard();
}

} // namespace lottery::test
