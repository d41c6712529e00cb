#include "widgets/TypedKey.h"

#include "lottery/TypedNumberEntry.h"

#include <QKeyEvent>

char TypedEntryKey(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return lottery::TypedNumberEntry::kEnter;
    case Qt::Key_Backspace:
        return lottery::TypedNumberEntry::kBackspace;
    case Qt::Key_Space:
        return ' ';
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() == 1 && (text[0].isDigit() || text[0] == QLatin1Char(',')))
        return text[0].toLatin1();
    return 0;
}
