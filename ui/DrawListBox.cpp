#include "DrawListBox.h"

#include <QHeaderView>

DrawListBox::DrawListBox(QWidget* parent) : QTableView(parent) {
    horizontalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setTextElideMode(Qt::ElideNone);
    setItemHeight(15);
}

void DrawListBox::setItemHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
}

int DrawListBox::itemHeight() const {
    return verticalHeader()->defaultSectionSize();
}
