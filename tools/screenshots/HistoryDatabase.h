#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a draw table; stops the tool when it cannot be read.
QByteArray ReadHistoryTable(const QString& csvPath);

// Reads a draw table (the 6/49 history) with the program's table reader and writes its draws
// as a lottery database at databasePath. Returns the number of draws; stops the tool when the
// table cannot be used.
int WriteHistoryDatabase(const QString& csvPath, const QString& databasePath);
