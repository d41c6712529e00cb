#pragma once

#include <QString>

class PictureFolder;

// The window "Билеты" beside the opened history, with a small set of tickets and prices:
// checked against every draw (tickets-check.png), the ways of choosing over the last 1000
// draws (tickets-backtest.png) and a home draw for the set (tickets-draw.png, different at
// every run).
void DrawTicketPictures(PictureFolder& folder, const QString& database);
