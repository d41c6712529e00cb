#pragma once

#include <QString>

// Writes the draws of a 6/49 history CSV (header "Date,Num1..Num6,Bonus", a quoted date that
// holds a comma) as a lottery database at databasePath. Returns the number of draws; stops the
// tool when the CSV cannot be read.
int WriteHistoryDatabase(const QString& csvPath, const QString& databasePath);
