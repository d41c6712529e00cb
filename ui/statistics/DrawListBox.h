#pragma once

#include <QTableView>
#include <vector>

// lbxAll: a one-column list of lines with a fixed item height. Built on a table view because
// its rows are laid out by one uniform height, so showing or extending a history of a
// million draws costs no more than showing ten (a list view walks every row when laid out).
class DrawListBox : public QTableView {
    Q_OBJECT
public:
    explicit DrawListBox(QWidget* parent = nullptr);

    void setItemHeight(int height);
    int itemHeight() const;
    // The selected lines, in ascending order.
    std::vector<int> selectedRows() const;
};
