#pragma once

#include "DocumentListener.h"
#include "DrawChange.h"
#include "DrawFile.h"
#include "DrawRecord.h"
#include "FileSystem.h"
#include "LotteryShape.h"
#include "NumberSet.h"
#include "NumberStats.h"
#include "PathParts.h"
#include "RandomSource.h"
#include "SimulatedDraw.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lottery {

inline constexpr const char* kUnnamedTitle = "Безымянный";
// Title prefix used after New, Open and Save As (note the double blanks).
inline constexpr const char* kTitlePrefix = " \"Нумерариум\"  от  Velkora  -  ";
// The design title the window starts with.
inline constexpr const char* kInitialTitle = " \"Жребикон\"  от  Velkora  -  Безымянный";

inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

enum class MarkResult {
    Ignored,  // the card is already full (or n is outside 1..N or already marked)
    Marked,   // n is on the card, which is not full yet
    CardFull, // n is on the card and the card now holds K numbers
};

// The one lottery document of the program: shape, past draws, card, play draw, file
// bookkeeping and statistics. Window-side effects are reported to the listener.
class LotteryDocument {
public:
    explicit LotteryDocument(DocumentListener* listener = nullptr);

    void setListener(DocumentListener* listener);

    // --- shape and draws
    LotteryShape shape() const { return shape_; }
    // The New-lottery dialog writes the shape before the lottery is started.
    void setShape(LotteryShape shape) { shape_ = shape; }
    std::span<const DrawRecord> draws() const { return draws_; }
    std::int32_t drawCount() const { return static_cast<std::int32_t>(draws_.size()); }
    std::string drawLine(int index) const {
        return DrawLine(draws_.at(static_cast<std::size_t>(index)), shape_.K);
    }

    // --- file bookkeeping
    const std::string& filePath() const { return filePath_; }
    void setFilePath(std::string path) { filePath_ = std::move(path); }
    const std::string& fileTitle() const { return fileTitle_; }
    void setFileTitle(std::string title) { fileTitle_ = std::move(title); }
    // Prefix + fileTitle.
    std::string windowTitle() const { return kTitlePrefix + fileTitle_; }
    const TrailerReserved& trailerReserved() const { return trailerReserved_; }

    bool changed() const { return changed_; }
    void setChanged(bool changed);

    bool newAccepted() const { return newAccepted_; }
    void setNewAccepted(bool accepted) { newAccepted_ = accepted; }
    std::int32_t lastAnswer() const { return lastAnswer_; }
    void setLastAnswer(std::int32_t answer) { lastAnswer_ = answer; }

    // --- card
    const DrawRecord& cardNumbers() const { return cardNumbers_; }
    const NumberSet& cardSet() const { return cardSet_; }
    int cardCount() const { return cardCount_; }
    bool cardFull() const { return cardCount_ == shape_.K; }
    MarkResult MarkNumber(int n);
    // Returns false when n is not on the card.
    bool UnmarkNumber(int n);
    void ResetCard();

    // --- play draw
    const PlayDraw& lastPlayDraw() const { return playDraw_; }
    const NumberSet& drawnSet() const { return playDraw_.drawnSet; }
    const NumberSet& matchedSet() const { return playDraw_.matchedSet; }
    bool playShown() const { return playShown_; }
    void setPlayShown(bool shown) { playShown_ = shown; }
    // Runs the simulated draw against the card and marks the display as shown.
    const PlayDraw& PlayDrawAgainstCard(RandomSource& random);

    // --- statistics
    const StatsTable& stats() const { return stats_; }
    void StatAll();

    // --- operations of the lottery
    // Card reset, fileTitle "Безымянный", shape applied, upper sentinel, statistics, page reset.
    void Starting();
    // Empties the draw list and blanks/zeroes statistics columns 1..N of the current N.
    void Clear();
    // The New command after the dialog was confirmed (the shape is already set): unnamed,
    // no draws, not changed, card reset, Clear, Starting.
    void StartNewLottery();
    // Appends the card as a draw and returns its list line. The caller resets the card,
    // sets changed and recomputes.
    std::string AddDraw();

    // Opening, all or nothing: the file is read and checked as a whole first; the document
    // changes only when that succeeded. Throws IoError / InvalidContentError otherwise.
    void Open(const std::string& path, FileSystem& fs = SystemFileSystem());
    // Replaces shape and draws with content read from path (the part of Open after reading).
    void ApplyOpened(DrawFileContent content, const std::string& path);
    // Rewrites the draw file; clears changed only on success.
    void WriteDocument(const std::string& path, FileSystem& fs = SystemFileSystem());

    // --- mending the history: each returns the change that undoes it
    // The card as a new draw at the end; the caller then resets the card.
    DrawChange RecordCard();
    // Removes the draws at these indices (any order, repeats and strays ignored).
    DrawChange DeleteDraws(std::vector<std::int32_t> indices);
    // Throws std::invalid_argument unless record holds K distinct numbers of 1..N.
    DrawChange ReplaceDraw(std::int32_t index, const DrawRecord& record);
    // Appends the records in order; throws std::invalid_argument, changing nothing, if one
    // of them is not a valid draw of the lottery.
    DrawChange AppendDraws(std::vector<DrawRecord> records);
    // Undo and redo: applies a change returned earlier and returns its inverse.
    DrawChange ApplyChange(const DrawChange& change);
    bool IsValidDraw(const DrawRecord& record) const;

private:
    DocumentListener& listener();
    // A state of the draws never seen before: after New and Open, and after every new change.
    std::uint64_t freshState() { return ++lastState_; }
    void startHistory();

    DocumentListener* listener_;
    LotteryShape shape_;
    std::vector<DrawRecord> draws_;
    std::string filePath_;
    std::string fileTitle_ = kUnnamedTitle;
    TrailerReserved trailerReserved_{};
    bool changed_ = false;
    DrawRecord cardNumbers_{};
    NumberSet cardSet_;
    int cardCount_ = 0;
    PlayDraw playDraw_;
    bool playShown_ = false;
    bool newAccepted_ = false;
    std::int32_t lastAnswer_ = 0;
    StatsTable stats_{};
    // States are numbered from 1; 0 means "a new state" in a change and "none" when saved.
    std::uint64_t lastState_ = 1;
    std::uint64_t state_ = 1;      // which state of the draws this is
    std::uint64_t savedState_ = 1; // the state the file holds
};

} // namespace lottery
