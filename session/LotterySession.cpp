#include "session/LotterySession.h"

#include "session/DrawEditCommand.h"
#include "session/TableExport.h"
#include "session/TicketEditCommand.h"
#include "storage/DocumentFile.h"
#include "storage/DrawFile.h"
#include "tables/HistoryContinuation.h"
#include "tables/TableText.h"
#include "tickets/TicketFile.h"

#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace session {

LotterySession::LotterySession(SessionQuestions& questions, lottery::FileSystem& fs,
                               QObject* parent)
    : QObject(parent), questions_(questions), fileSystem_(&fs), document_(&relay_) {
    connect(&undoStack_, &QUndoStack::indexChanged, this, &LotterySession::lotteryChanged);
}

LotterySession::~LotterySession() {
    // Emptying the history on the way out announces nothing.
    undoStack_.disconnect(this);
    document_.setListener(nullptr);
}

void LotterySession::Relay::lotteryStarted(lottery::LotteryShape shape) {
    emit session_.lotteryStarted(shape);
    // The steps of another lottery (or of the same one before opening) must not be replayed.
    session_.undoStack_.clear();
    session_.followShape(shape);
}

void LotterySession::Relay::drawsReplaced() {
    emit session_.drawsReplaced();
}

void LotterySession::Relay::drawsEdited(int first, int removed, int inserted) {
    emit session_.drawsEdited(first, removed, inserted);
}

void LotterySession::Relay::fileNamed(const std::string& title) {
    emit session_.fileNamed(QString::fromStdString(title));
}

void LotterySession::Relay::changedFlagChanged(bool changed) {
    emit session_.changedFlagChanged(changed);
}

void LotterySession::start(lottery::LotteryShape shape) {
    document_.StartLottery(shape);
}

bool LotterySession::settleUnsavedChanges(bool exiting) {
    if (!document_.changed() || !questions_.saveChangesFirst(exiting))
        return true;
    // A save that did not happen (cancelled, or failing by an exception) keeps the draws.
    return saveDocument(true);
}

void LotterySession::newLottery() {
    if (!settleUnsavedChanges(false))
        return;
    const std::optional<lottery::LotteryShape> shape = questions_.shapeOfNewLottery();
    if (!shape)
        return;
    document_.StartLottery(*shape);
    unnamedProposal_.clear();
    emit lotteryChanged();
}

void LotterySession::open() {
    if (!settleUnsavedChanges(false))
        return;
    const std::optional<QString> chosen = questions_.fileToOpen();
    if (chosen)
        openPath(*chosen);
}

void LotterySession::openFile(const QString& path) {
    openPath(path);
}

void LotterySession::openDropped(const QString& path) {
    if (settleUnsavedChanges(false))
        openPath(path);
}

namespace {

// A file that is no database but holds text may be a table whatever its name; binary bytes
// under a database's name are a damaged database, and opening it says so.
bool LooksLikeText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = file.read(64 * 1024);
    std::string converted;
    const std::string_view text =
        lottery::TableTextAsUtf8(std::string_view(start.constData(), start.size()), converted);
    return !lottery::LooksBinary(text);
}

} // namespace

void LotterySession::openPath(const QString& path) {
    // A folder dropped on the window or named on the command line is no file to open.
    if (QFileInfo(path).isDir())
        throw std::runtime_error(QStringLiteral("%1 — это папка, а не файл")
                                     .arg(QFileInfo(path).fileName())
                                     .toStdString());
    // The content decides, not the name: a database named .txt opens as one, a table named
    // .dat or .tsv goes to the preview. A file that cannot be read fails as its name says.
    const std::optional<bool> database = lottery::IsDrawFileAt(path.toStdString(), *fileSystem_);
    if (database ? !*database && (IsTablePath(path) || LooksLikeText(path)) : IsTablePath(path)) {
        importTable(path);
        return;
    }
    // All or nothing: a file that cannot be used leaves the lottery as it was.
    lottery::OpenDocument(document_, path.toStdString(), *fileSystem_);
    folder_ = QFileInfo(path).absolutePath();
    emit lotteryChanged();
}

void LotterySession::importTable(const QString& path) {
    const std::optional<lottery::DrawTable> reading = questions_.tableReading(path);
    if (!reading)
        return;
    // An updated download of the history on screen (overlapping its last draws, however many):
    // offer to add only what is new; a table with nothing new changes nothing.
    const lottery::TableOverlap overlap =
        reading->shape == document_.shape()
            ? lottery::OverlapWithHistory(document_.draws(), reading->draws, reading->shape.K)
            : lottery::TableOverlap{};
    if (overlap.nothingNew) {
        questions_.noNewDraws();
        return;
    }
    const std::optional<std::size_t> newFrom = overlap.newFrom;
    const TableUpdate update =
        newFrom ? questions_.tableUpdate(*newFrom, reading->draws.size() - *newFrom)
                : TableUpdate::ReplaceLottery;
    if (update == TableUpdate::Cancel)
        return;
    if (update == TableUpdate::AddNewDraws) {
        appendDraws(std::vector<lottery::DrawRecord>(
            reading->draws.begin() + static_cast<std::ptrdiff_t>(*newFrom), reading->draws.end()));
    } else {
        // An unnamed lottery, so that "Сохранить" asks for a database name: nothing is ever
        // written to the table.
        document_.StartLottery(reading->shape);
        const QFileInfo table(path);
        unnamedProposal_ = table.completeBaseName() + QStringLiteral(".dat");
        folder_ = table.absolutePath();
        appendDraws(reading->draws);
    }
    emit lotteryChanged();
}

bool LotterySession::save() {
    return saveDocument(false);
}

bool LotterySession::saveAs() {
    return saveAsAsked(false);
}

bool LotterySession::saveDocument(bool databaseOnly) {
    if (!document_.named())
        return saveAsAsked(databaseOnly);
    lottery::SaveDocument(document_, *fileSystem_);
    return true;
}

bool LotterySession::saveAsAsked(bool databaseOnly) {
    SaveProposal proposal = saveProposal();
    proposal.databaseOnly = databaseOnly;
    const std::optional<SaveTarget> chosen = questions_.fileToSave(proposal);
    if (!chosen)
        return false;
    if (chosen->tableCopy && !databaseOnly) {
        // A copy of the draws for other programs: the lottery keeps its name, its file and
        // its "changed".
        ExportDrawTable(chosen->path.toStdString(), document_.draws(), document_.shape(),
                        *fileSystem_);
        return true;
    }
    lottery::SaveDocumentAs(document_, chosen->path.toStdString(), *fileSystem_);
    folder_ = QFileInfo(chosen->path).absolutePath();
    return true;
}

bool LotterySession::mayClose() {
    // The sets first: their question may be cancelled, the draws' one may not.
    if (!settleTicketSet())
        return false;
    for (auto& [shape, kept] : setsOfOtherShapes_)
        if (!settleTicketSet(kept))
            return false;
    return settleUnsavedChanges(true);
}

SaveProposal LotterySession::saveProposal() const {
    if (document_.named()) {
        const QFileInfo file(QString::fromStdString(document_.filePath()));
        return {file.absolutePath(), file.fileName()};
    }
    return {folder_, unnamedProposal_};
}

void LotterySession::recordCard() {
    lottery::DrawEdit undo = document_.RecordCard();
    undoStack_.push(
        new DrawEditCommand(document_, DrawEditCommand::RecordName(), {std::move(undo)}));
}

void LotterySession::deleteDraws(const std::vector<int>& rows) {
    std::vector<lottery::DrawEdit> undo = document_.DeleteDraws(rows);
    if (undo.empty())
        return;
    int deleted = 0;
    for (const lottery::DrawEdit& edit : undo)
        deleted += static_cast<int>(edit.insert.size());
    undoStack_.push(
        new DrawEditCommand(document_, DrawEditCommand::DeleteName(deleted), std::move(undo)));
}

void LotterySession::replaceDraw(int row, const lottery::DrawRecord& record) {
    if (row >= 0 && row < document_.drawCount() &&
        document_.draws()[static_cast<std::size_t>(row)] == record)
        return; // confirmed as it was: nothing to undo
    lottery::DrawEdit undo = document_.ReplaceDraw(row, record);
    undoStack_.push(new DrawEditCommand(document_, DrawEditCommand::EditName(), {std::move(undo)}));
}

void LotterySession::appendDraws(std::vector<lottery::DrawRecord> draws) {
    const int count = static_cast<int>(draws.size());
    if (count == 0)
        return; // nothing new: no step, and nothing to save
    // Checked as a whole: a draw that is not one of this lottery changes nothing.
    lottery::DrawEdit undo = document_.AppendDraws(std::move(draws));
    undoStack_.push(
        new DrawEditCommand(document_, DrawEditCommand::AppendName(count), {std::move(undo)}));
}

bool LotterySession::editTicketSet(const lottery::TicketEdit& edit, const QString& name) {
    const bool changesNothing = edit.removeCount == 0 && edit.insert.empty() && !edit.money;
    if (changesNothing || !ticketSet_.Refusal(edit).empty())
        return false;
    undoStack_.push(
        new TicketEditCommand(ticketSet_, name, edit, [this] { emit ticketSetChanged(); }));
    return true;
}

void LotterySession::openTicketSet(const QString& path) {
    lottery::TicketFileRead read =
        lottery::ReadTicketFile(QFile::encodeName(path).toStdString(), document_.shape());
    if (!read.usable())
        throw std::runtime_error(read.error);
    // A table of tickets is not our file: saving asks for a name rather than overwrite it.
    ticketSetPath_ = read.fromTable ? QString() : path;
    savedTicketSet_ = read.fromTable ? lottery::TicketSet(read.set.shape()) : read.set;
    editTicketSet(ticketSet_.EditToTake(read.set), QStringLiteral("открытие набора"));
    emit ticketSetFileNamed();
}

void LotterySession::saveTicketSetAs(const QString& path) {
    lottery::WriteTicketFile(QFile::encodeName(path).toStdString(), ticketSet_);
    ticketSetPath_ = path;
    savedTicketSet_ = ticketSet_;
    emit ticketSetFileNamed();
}

bool LotterySession::settleTicketSet() {
    KeptTicketSet kept{ticketSet_, savedTicketSet_, ticketSetPath_};
    if (!settleTicketSet(kept))
        return false;
    ticketSetPath_ = kept.path;
    savedTicketSet_ = std::move(kept.saved);
    emit ticketSetFileNamed();
    return true;
}

bool LotterySession::settleTicketSet(KeptTicketSet& kept) {
    if (kept.set == kept.saved || ticketQuestions_ == nullptr)
        return true;
    const UnsavedTicketSet asked{QFileInfo(kept.path).fileName(), kept.set.shape()};
    switch (ticketQuestions_->saveTicketSetFirst(asked)) {
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        return false;
    case SaveAnswer::Save:
        break;
    }
    QString path = kept.path;
    if (path.isEmpty()) {
        const std::optional<QString> chosen = ticketQuestions_->ticketSetFileToSave(asked);
        if (!chosen)
            return false;
        path = *chosen;
    }
    lottery::WriteTicketFile(QFile::encodeName(path).toStdString(), kept.set);
    kept.path = path;
    kept.saved = kept.set;
    return true;
}

void LotterySession::followShape(lottery::LotteryShape shape) {
    if (shape == ticketSet_.shape())
        return;
    const auto key = [](lottery::LotteryShape s) { return std::pair<int, int>(s.K, s.N); };
    KeptTicketSet kept{lottery::TicketSet(shape), lottery::TicketSet(shape), {}};
    if (const auto found = setsOfOtherShapes_.find(key(shape)); found != setsOfOtherShapes_.end()) {
        kept = std::move(found->second);
        setsOfOtherShapes_.erase(found);
    }
    // Kept with its file, so its name, its "changed" and the question on closing come back.
    if (!ticketSet_.empty() || ticketSet_.money().priced() || !ticketSetPath_.isEmpty())
        setsOfOtherShapes_.insert_or_assign(
            key(ticketSet_.shape()),
            KeptTicketSet{std::move(ticketSet_), std::move(savedTicketSet_), ticketSetPath_});
    ticketSet_ = std::move(kept.set);
    savedTicketSet_ = std::move(kept.saved);
    ticketSetPath_ = kept.path;
    emit ticketSetChanged();
    emit ticketSetFileNamed();
}

void LotterySession::addStep(QUndoCommand* step) {
    undoStack_.push(step);
}

} // namespace session
