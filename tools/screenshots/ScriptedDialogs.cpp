#include "ScriptedDialogs.h"

namespace {

template <typename T> std::optional<T> TakeFront(std::deque<T>& queue) {
    if (queue.empty())
        return std::nullopt;
    T front = queue.front();
    queue.pop_front();
    return front;
}

} // namespace

ConfirmAnswer ScriptedDialogs::askYesNo(QWidget* /*parent*/, const QString& /*text*/) {
    return ConfirmAnswer::No;
}

std::optional<QString> ScriptedDialogs::chooseFileToOpen(QWidget* /*parent*/) {
    return TakeFront(openPaths);
}

std::optional<session::SaveTarget>
ScriptedDialogs::chooseFileToSave(QWidget* /*parent*/, const session::SaveProposal& /*proposal*/) {
    return std::nullopt;
}

std::optional<QColor> ScriptedDialogs::chooseColour(QWidget* /*parent*/,
                                                    const QColor& /*initial*/) {
    return TakeFront(colours);
}
