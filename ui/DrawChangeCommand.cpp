#include "DrawChangeCommand.h"

#include "LotteryDocument.h"

DrawChangeCommand::DrawChangeCommand(lottery::LotteryDocument& document, const QString& name,
                                     lottery::DrawChange inverse)
    : QUndoCommand(name), document_(document), inverse_(std::move(inverse)) {}

void DrawChangeCommand::undo() {
    inverse_ = document_.ApplyChange(inverse_);
    done_ = false;
}

void DrawChangeCommand::redo() {
    if (done_)
        return;
    inverse_ = document_.ApplyChange(inverse_);
    done_ = true;
}

QString DrawChangeCommand::RecordName() {
    return QStringLiteral("добавление тиража");
}

QString DrawChangeCommand::DeleteName(int count) {
    return count == 1 ? QStringLiteral("удаление тиража")
                      : QStringLiteral("удаление тиражей (%1)").arg(count);
}

QString DrawChangeCommand::EditName() {
    return QStringLiteral("изменение тиража");
}

QString DrawChangeCommand::AppendName(int count) {
    return count == 1 ? RecordName() : QStringLiteral("добавление тиражей (%1)").arg(count);
}
