#include "session/DrawEditCommand.h"

#include "lottery/LotteryDocument.h"

DrawEditCommand::DrawEditCommand(lottery::LotteryDocument& document, const QString& name,
                                 std::vector<lottery::DrawEdit> inverse)
    : QUndoCommand(name), document_(document), next_(std::move(inverse)) {}

void DrawEditCommand::apply() {
    // Each edit's inverse goes first, so that the way back runs in reverse.
    std::vector<lottery::DrawEdit> back;
    for (const lottery::DrawEdit& edit : next_)
        back.insert(back.begin(), document_.ApplyEdit(edit));
    next_ = std::move(back);
}

void DrawEditCommand::undo() {
    apply();
    done_ = false;
}

void DrawEditCommand::redo() {
    if (done_)
        return;
    apply();
    done_ = true;
}

QString DrawEditCommand::RecordName() {
    return QStringLiteral("добавление тиража");
}

QString DrawEditCommand::DeleteName(int count) {
    return count == 1 ? QStringLiteral("удаление тиража")
                      : QStringLiteral("удаление тиражей (%1)").arg(count);
}

QString DrawEditCommand::EditName() {
    return QStringLiteral("изменение тиража");
}

QString DrawEditCommand::AppendName(int count) {
    return count == 1 ? RecordName() : QStringLiteral("добавление тиражей (%1)").arg(count);
}
