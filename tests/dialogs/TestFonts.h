#pragma once

#include <QFont>
#include <QString>

// The design font names are not installed on Linux; they map to the metric-compatible
// Liberation Sans, as in the program.
inline void MapDesignFonts() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial Cyr"), QStringLiteral("Liberation Sans"));
}
