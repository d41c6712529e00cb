#pragma once

#include "session/SessionQuestions.h"

#include <QMessageBox>
#include <cstddef>

class QAbstractButton;

// Asked when an imported table begins with the last draws of the lottery on screen (an updated
// download): each button says what it does, and Enter takes the one that keeps the lottery.
class TableUpdateQuestion : public QMessageBox {
    Q_OBJECT
public:
    TableUpdateQuestion(std::size_t alreadyThere, std::size_t newDraws, QWidget* parent = nullptr);

    // Shows the box modally; the close box and Escape cancel.
    session::TableUpdate ask();

private:
    QAbstractButton* addNew_;
    QAbstractButton* replace_;
};
