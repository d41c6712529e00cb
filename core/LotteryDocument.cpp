#include "LotteryDocument.h"

#include <algorithm>

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
    setChanged(false);
    ResetCard();
    Clear();
    Starting();
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
    setChanged(false);
}

void LotteryDocument::WriteDocument(const std::string& path, FileSystem& fs) {
    WriteDrawFile(path, draws_, shape_, trailerReserved_, fs);
    setChanged(false);
}

} // namespace lottery
