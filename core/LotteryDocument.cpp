#include "LotteryDocument.h"

#include <algorithm>
#include <stdexcept>

namespace lottery {
namespace {

// Used while no window listens, so every hook can be called unconditionally.
DocumentListener& SilentListener() {
    static DocumentListener silent;
    return silent;
}

} // namespace

LotteryDocument::LotteryDocument(DocumentListener* listener) : listener_(listener) {}

void LotteryDocument::setListener(DocumentListener* listener) {
    listener_ = listener;
}

DocumentListener& LotteryDocument::listener() {
    return listener_ != nullptr ? *listener_ : SilentListener();
}

void LotteryDocument::setChanged(bool changed) {
    // Set from outside, the flag no longer follows the history: no undo leads back to saved.
    savedState_ = changed ? 0 : state_;
    if (changed_ == changed)
        return;
    changed_ = changed;
    listener().changedFlagChanged(changed);
}

MarkResult LotteryDocument::MarkNumber(int n) {
    if (n < 1 || n > shape_.N || cardSet_.contains(n) || cardCount_ >= shape_.K)
        return MarkResult::Ignored;
    cardSet_.add(n);
    cardNumbers_[static_cast<std::size_t>(cardCount_)] = static_cast<std::uint8_t>(n);
    ++cardCount_;
    return cardCount_ == shape_.K ? MarkResult::CardFull : MarkResult::Marked;
}

bool LotteryDocument::UnmarkNumber(int n) {
    if (!cardSet_.contains(n))
        return false;
    cardSet_.remove(n);
    const auto begin = cardNumbers_.begin();
    const auto end = begin + cardCount_;
    const auto at = std::find(begin, end, static_cast<std::uint8_t>(n));
    // The later entries move up one place; the old last entry stays behind, unread.
    if (at != end)
        std::copy(at + 1, end, at);
    --cardCount_;
    return true;
}

void LotteryDocument::ResetCard() {
    cardSet_.clear();
    cardCount_ = 0;
}

const PlayDraw& LotteryDocument::PlayDrawAgainstCard(RandomSource& random) {
    playShown_ = true;
    playDraw_ = SimulatedDraw(shape_, cardSet_, random);
    return playDraw_;
}

void LotteryDocument::StatAll() {
    lottery::StatAll(stats_, draws_, shape_);
}

void LotteryDocument::Starting() {
    ResetCard();
    fileTitle_ = kUnnamedTitle;
    listener().shapeApplied(shape_);
    SetUpperSentinel(stats_, shape_.N);
    StatAll();
    listener().pageReset();
}

void LotteryDocument::Clear() {
    listener().drawListReset();
    listener().tablesBlanked(shape_.N);
    ZeroRecords(stats_, shape_.N);
}

void LotteryDocument::StartNewLottery() {
    filePath_.clear();
    fileTitle_ = kUnnamedTitle;
    draws_.clear();
    draws_.shrink_to_fit();
    trailerReserved_ = {}; // a document not opened from a file writes zero reserved bytes
    ResetCard();
    Clear();
    Starting();
    startHistory();
}

void LotteryDocument::startHistory() {
    state_ = freshState();
    setChanged(false);
}

std::string LotteryDocument::AddDraw() {
    draws_.push_back(cardNumbers_);
    listener().drawAppended(drawCount() - 1);
    return DrawLine(draws_.back(), shape_.K);
}

void LotteryDocument::Open(const std::string& path, FileSystem& fs) {
    // Read and check everything before touching the document, so a failing open leaves it
    // exactly as it was.
    DrawFileContent content = ReadDrawFile(path, fs);
    ApplyOpened(std::move(content), path);
}

void LotteryDocument::ApplyOpened(DrawFileContent content, const std::string& path) {
    filePath_ = path;
    fileTitle_ = FileNamePart(path);
    draws_ = std::move(content.draws);
    Clear(); // with the N of the lottery that was open before
    shape_ = content.shape;
    trailerReserved_ = content.reserved;
    listener().shapeApplied(shape_);
    SetUpperSentinel(stats_, shape_.N);
    ResetCard();
    StatAll();
    listener().pageReset();
    startHistory();
}

void LotteryDocument::WriteDocument(const std::string& path, FileSystem& fs) {
    WriteDrawFile(path, draws_, shape_, trailerReserved_, fs);
    setChanged(false);
}

bool LotteryDocument::IsValidDraw(const DrawRecord& record) const {
    NumberSet seen;
    for (int p = 0; p < shape_.K; ++p) {
        const int n = record[static_cast<std::size_t>(p)];
        if (n < 1 || n > shape_.N || seen.contains(n))
            return false;
        seen.add(n);
    }
    return true;
}

DrawChange LotteryDocument::RecordCard() {
    return ApplyChange({{DrawEdit{drawCount(), 0, {cardNumbers_}}}, 0});
}

DrawChange LotteryDocument::DeleteDraws(std::vector<std::int32_t> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    std::erase_if(indices, [this](std::int32_t i) { return i < 0 || i >= drawCount(); });
    // One edit per run of neighbours, the last run first so that earlier indices hold.
    DrawChange change;
    for (auto end = indices.rbegin(); end != indices.rend();) {
        auto run = end;
        while (std::next(run) != indices.rend() && *std::next(run) == *run - 1)
            ++run;
        change.edits.push_back(DrawEdit{*run, *end - *run + 1, {}});
        end = std::next(run);
    }
    return ApplyChange(change);
}

DrawChange LotteryDocument::ReplaceDraw(std::int32_t index, const DrawRecord& record) {
    if (index < 0 || index >= drawCount() || !IsValidDraw(record))
        throw std::invalid_argument("not a draw of this lottery");
    return ApplyChange({{DrawEdit{index, 1, {record}}}, 0});
}

DrawChange LotteryDocument::AppendDraws(std::vector<DrawRecord> records) {
    if (!std::all_of(records.begin(), records.end(),
                     [this](const DrawRecord& record) { return IsValidDraw(record); }))
        throw std::invalid_argument("not a draw of this lottery");
    return ApplyChange({{DrawEdit{drawCount(), 0, std::move(records)}}, 0});
}

DrawChange LotteryDocument::ApplyChange(const DrawChange& change) {
    struct Notice {
        int first, removed, inserted;
        bool atEnd;
    };
    std::vector<Notice> notices;
    DrawChange inverse;
    inverse.restoresState = state_;
    for (const DrawEdit& edit : change.edits) {
        const auto first = draws_.begin() + edit.first;
        const auto inserted = static_cast<std::int32_t>(edit.insert.size());
        DrawEdit undo{edit.first, inserted,
                      std::vector<DrawRecord>(first, first + edit.removeCount)};
        notices.push_back({edit.first, edit.removeCount, inserted,
                           edit.removeCount == 0 && edit.first == drawCount()});
        if (edit.removeCount == inserted) {
            std::copy(edit.insert.begin(), edit.insert.end(), first);
        } else {
            draws_.erase(first, first + edit.removeCount);
            draws_.insert(draws_.begin() + edit.first, edit.insert.begin(), edit.insert.end());
        }
        UpdateStats(stats_, draws_, edit.first, undo.insert, inserted, shape_);
        inverse.edits.insert(inverse.edits.begin(), std::move(undo));
    }
    state_ = change.restoresState != 0 ? change.restoresState : freshState();
    for (const Notice& notice : notices) {
        if (!notice.atEnd) {
            listener().drawsReplaced(notice.first, notice.removed, notice.inserted);
            continue;
        }
        for (int index = notice.first; index < notice.first + notice.inserted; ++index)
            listener().drawAppended(index);
    }
    const bool changed = state_ != savedState_;
    if (changed != changed_) {
        changed_ = changed;
        listener().changedFlagChanged(changed_);
    }
    return inverse;
}

} // namespace lottery
