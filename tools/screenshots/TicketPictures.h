#pragma once

#include <QString>

class PictureFolder;

// The window "Билеты" on the opened history, made as a user makes a set: the card, a typed
// ticket, ten random ones and prices; tickets-set.png (with a home draw), tickets-check.png,
// tickets-backtest.png and wheel-12-6-4.png (12 frequent numbers, "4 если 4", added and checked).
// The random tickets and the home draw differ at every run.
void DrawTicketPictures(PictureFolder& folder, const QString& database);
