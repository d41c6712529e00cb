#pragma once

#include "lottery/Card.h"
#include "lottery/DocumentListener.h"
#include "lottery/DrawEdit.h"
#include "lottery/DrawFileContent.h"
#include "lottery/DrawRecord.h"
#include "lottery/LotteryShape.h"
#include "lottery/NumberSet.h"
#include "lottery/NumberStats.h"
#include "lottery/RandomSource.h"
#include "lottery/SimulatedDraw.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lottery {

inline constexpr const char* kUnnamedTitle = "Безымянный";

// The one lottery document of the program: shape, past draws, card, play draw, file
// bookkeeping and statistics. Every operation leaves it consistent and tells the listener
// what happened.
class LotteryDocument {
public:
    explicit LotteryDocument(DocumentListener* listener = nullptr);

    void setListener(DocumentListener* listener);

    // --- shape and draws
    LotteryShape shape() const { return shape_; }
    std::span<const DrawRecord> draws() const { return draws_; }
    std::int32_t drawCount() const { return static_cast<std::int32_t>(draws_.size()); }
    std::string drawLine(int index) const {
        return DrawLine(draws_.at(static_cast<std::size_t>(index)), shape_.K);
    }
    const StatsTable& stats() const { return stats_; }

    // --- file bookkeeping
    const std::string& filePath() const { return filePath_; }
    const std::string& fileTitle() const { return fileTitle_; }
    bool named() const { return !filePath_.empty(); }
    const TrailerReserved& trailerReserved() const { return trailerReserved_; }
    // Unsaved changes: the draws differ from the state last started, opened or saved.
    bool changed() const { return state_ != savedState_; }

    // --- card
    const Card& card() const { return card_; }
    const DrawRecord& cardNumbers() const { return card_.numbers(); }
    const NumberSet& cardSet() const { return card_.set(); }
    int cardCount() const { return card_.count(); }
    bool cardFull() const { return card_.full(); }
    MarkResult MarkNumber(int n) { return card_.mark(n); }
    // Returns false when n is not on the card.
    bool UnmarkNumber(int n) { return card_.unmark(n); }
    void ResetCard() { card_.clear(shape_); }

    // --- play draw
    const PlayDraw& lastPlayDraw() const { return playDraw_; }
    const NumberSet& drawnSet() const { return playDraw_.drawnSet; }
    const NumberSet& matchedSet() const { return playDraw_.matchedSet; }
    // A home draw against the card as the ticket; it is never recorded.
    const PlayDraw& PlayHomeDraw(RandomSource& random);

    // --- whole operations
    // A new lottery of a valid shape: unnamed, no draws, unchanged, card empty.
    void StartLottery(LotteryShape shape);
    // A lottery read and checked as a whole from path replaces this one, titled after its file.
    // Reading and writing are storage's job (storage/DocumentFile.h); the document only takes
    // what was read and hears what was written.
    void AdoptOpened(DrawFileContent content, const std::string& path, const std::string& title);
    // The draws as they are now were written to the file the document is named after.
    void MarkSaved();
    // The draws as they are now were written to path; the document is named after it.
    void MarkSavedAs(const std::string& path, const std::string& title);
    // Appends the full card as a draw and empties the card; returns the edit that undoes it.
    DrawEdit RecordCard();
    // Applies one edit of the draw list, recomputes the statistics and returns the exact
    // inverse. Throws std::out_of_range for an edit outside the list.
    DrawEdit ApplyEdit(const DrawEdit& edit);

    // --- mending the history, as edits; each returns what undoes it
    // Removes the draws at these indices (any order; repeats and strays are ignored) with one
    // edit per run of neighbours. The inverses are in the order to apply them.
    std::vector<DrawEdit> DeleteDraws(std::vector<int> indices);
    // Throws std::invalid_argument, changing nothing, unless the index is in the list and
    // record is a valid draw.
    DrawEdit ReplaceDraw(int index, const DrawRecord& record);
    // Appends the records in order; throws std::invalid_argument, changing nothing, if one of
    // them is not a valid draw.
    DrawEdit AppendDraws(std::vector<DrawRecord> records);
    // K distinct numbers of 1..N in positions 1..K.
    bool IsValidDraw(const DrawRecord& record) const;

private:
    DocumentListener& listener();
    // Stages of the operations above.
    void Starting();
    void Clear();
    void StatAll();
    void nameAfter(const std::string& path, const std::string& title);
    // A fresh state that counts as saved: after start and open.
    void startUnchanged();
    void setStates(std::uint64_t state, std::uint64_t saved);

    DocumentListener* listener_;
    LotteryShape shape_;
    std::vector<DrawRecord> draws_;
    std::string filePath_;
    std::string fileTitle_ = kUnnamedTitle;
    TrailerReserved trailerReserved_{};
    // Every state of the draw list has its own number; changed = (state != saved state).
    std::uint64_t state_ = 1;
    std::uint64_t savedState_ = 1;
    std::uint64_t lastState_ = 1;
    Card card_;
    PlayDraw playDraw_;
    StatsTable stats_{};
};

} // namespace lottery
