#include "lottery/LotteryDocument.h"

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

LotteryDocument::LotteryDocument(DocumentListener* listener) : listener_(listener) {
    // An empty lottery of the initial shape, as consistent as one started.
    SetUpperSentinel(stats_, shape_.N);
}

void LotteryDocument::setListener(DocumentListener* listener) {
    listener_ = listener;
}

DocumentListener& LotteryDocument::listener() {
    return listener_ != nullptr ? *listener_ : SilentListener();
}

void LotteryDocument::setStates(std::uint64_t state, std::uint64_t saved) {
    const bool before = changed();
    state_ = state;
    savedState_ = saved;
    if (changed() != before)
        listener().changedFlagChanged(changed());
}

void LotteryDocument::startUnchanged() {
    ++lastState_;
    setStates(lastState_, lastState_);
}

const PlayDraw& LotteryDocument::PlayHomeDraw(RandomSource& random) {
    playDraw_ = SimulatedDraw(shape_, card_.set(), random);
    return playDraw_;
}

void LotteryDocument::StatAll() {
    lottery::StatAll(stats_, draws_, shape_);
}

void LotteryDocument::Starting() {
    ResetCard();
    SetUpperSentinel(stats_, shape_.N);
    StatAll();
    listener().lotteryStarted(shape_);
}

void LotteryDocument::Clear() {
    listener().drawsReplaced();
    ZeroRecords(stats_, shape_.N);
}

void LotteryDocument::StartLottery(LotteryShape shape) {
    if (!shape.isValid())
        throw std::invalid_argument("not a lottery shape");
    filePath_.clear();
    fileTitle_ = kUnnamedTitle;
    draws_.clear();
    draws_.shrink_to_fit();
    trailerReserved_ = {}; // a document not opened from a file writes zero reserved bytes
    shape_ = shape;
    startUnchanged();
    Clear(); // with the new N
    Starting();
    listener().fileNamed(fileTitle_);
}

void LotteryDocument::AdoptOpened(DrawFileContent content, const std::string& path,
                                  const std::string& title) {
    filePath_ = path;
    fileTitle_ = title;
    draws_ = std::move(content.draws);
    Clear(); // with the N of the lottery that was open before
    shape_ = content.shape;
    trailerReserved_ = content.reserved;
    startUnchanged();
    Starting();
    listener().fileNamed(fileTitle_);
}

void LotteryDocument::MarkSaved() {
    if (!named())
        throw std::logic_error("an unnamed document is saved under a new name");
    setStates(state_, state_);
}

void LotteryDocument::MarkSavedAs(const std::string& path, const std::string& title) {
    setStates(state_, state_);
    nameAfter(path, title);
}

void LotteryDocument::nameAfter(const std::string& path, const std::string& title) {
    filePath_ = path;
    fileTitle_ = title;
    listener().fileNamed(fileTitle_);
}

DrawEdit LotteryDocument::RecordCard() {
    if (!cardFull())
        throw std::logic_error("only a full card is a draw");
    DrawEdit append{drawCount(), 0, {card_.numbers()}};
    DrawEdit inverse = ApplyEdit(append);
    ResetCard();
    return inverse;
}

DrawEdit LotteryDocument::ApplyEdit(const DrawEdit& edit) {
    const int count = drawCount();
    if (edit.first < 0 || edit.first > count || edit.removeCount < 0 ||
        edit.removeCount > count - edit.first)
        throw std::out_of_range("draw edit outside the list");
    const auto first = draws_.begin() + edit.first;
    DrawEdit inverse{edit.first,
                     static_cast<int>(edit.insert.size()),
                     {first, first + edit.removeCount},
                     state_};

    const auto common = std::min(edit.insert.size(), static_cast<std::size_t>(edit.removeCount));
    std::copy_n(edit.insert.begin(), common, first);
    const auto rest = first + static_cast<std::ptrdiff_t>(common);
    draws_.erase(rest, first + edit.removeCount);
    draws_.insert(draws_.begin() + edit.first + static_cast<std::ptrdiff_t>(common),
                  edit.insert.begin() + static_cast<std::ptrdiff_t>(common), edit.insert.end());
    // In the time of the edit rather than of the whole history.
    UpdateStats(stats_, draws_, edit.first, inverse.insert,
                static_cast<std::int64_t>(edit.insert.size()), shape_);

    const bool before = changed();
    state_ = edit.resultState != 0 ? edit.resultState : ++lastState_;
    listener().drawsEdited(edit.first, edit.removeCount, static_cast<int>(edit.insert.size()));
    if (changed() != before)
        listener().changedFlagChanged(changed());
    return inverse;
}

bool LotteryDocument::IsValidDraw(const DrawRecord& record) const {
    NumberSet seen;
    for (int p = 0; p < shape_.K; ++p) {
        const int n = record[static_cast<std::size_t>(p)];
        if (!IsOpenNumber(shape_, seen, n))
            return false;
        seen.add(n);
    }
    return true;
}

std::vector<DrawEdit> LotteryDocument::DeleteDraws(std::vector<int> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    std::erase_if(indices, [this](int i) { return i < 0 || i >= drawCount(); });
    // The last run first, so that the indices of the earlier ones still hold; undoing puts
    // the first run back first.
    std::vector<DrawEdit> inverses;
    for (auto end = indices.rbegin(); end != indices.rend();) {
        auto run = end;
        while (std::next(run) != indices.rend() && *std::next(run) == *run - 1)
            ++run;
        inverses.insert(inverses.begin(), ApplyEdit(DrawEdit{*run, *end - *run + 1, {}, 0}));
        end = std::next(run);
    }
    return inverses;
}

DrawEdit LotteryDocument::ReplaceDraw(int index, const DrawRecord& record) {
    if (index < 0 || index >= drawCount() || !IsValidDraw(record))
        throw std::invalid_argument("not a draw of this lottery");
    return ApplyEdit(DrawEdit{index, 1, {record}, 0});
}

DrawEdit LotteryDocument::AppendDraws(std::vector<DrawRecord> records) {
    if (!std::all_of(records.begin(), records.end(),
                     [this](const DrawRecord& record) { return IsValidDraw(record); }))
        throw std::invalid_argument("not a draw of this lottery");
    return ApplyEdit(DrawEdit{drawCount(), 0, std::move(records), 0});
}

} // namespace lottery
