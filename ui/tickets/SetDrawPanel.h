#pragma once

#include "tickets/SetHomeDraw.h"

#include <QWidget>
#include <optional>

class QLabel;
class QPushButton;
class TicketSetHost;

// "Розыгрыш для набора": a home draw made as the play mode makes it, and how many tickets of
// the set reached each match level; the list of tickets marks each one's hits.
class SetDrawPanel : public QWidget {
    Q_OBJECT
public:
    explicit SetDrawPanel(TicketSetHost& host, QWidget* parent = nullptr);

    void refresh();
    void draw();
    QLabel* drawnLabel() const { return lblDrawn_; }

signals:
    // A draw was made (or the last one no longer holds: nullopt).
    void drawn(const std::optional<lottery::SetHomeDraw>& draw);

private:
    TicketSetHost& host_;
    QPushButton* btnDraw_;
    QLabel* lblDrawn_;
    QLabel* lblLevels_;
};
