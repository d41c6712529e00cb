#pragma once

#include "tables/DrawTable.h"

#include <QByteArray>
#include <QDialog>
#include <optional>

class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

// "Импорт таблицы тиражей": shows how a draw table was read (its first and last rows, the number
// columns, K and N, the order, the draw count and the lines not taken) and lets the user change
// the columns, K and N, and, when the range of the numbers changes along the table, keep the
// lines of one side. "Импортировать" gives the reading; cancel gives nothing.
class TablePreview : public QDialog {
    Q_OBJECT
public:
    TablePreview(QByteArray tableBytes, lottery::DrawTable reading, QWidget* parent = nullptr);

    // The reading shown now (usable or not).
    const lottery::DrawTable& reading() const { return reading_; }
    // Shows the dialog modally; the reading when the user chose "Импортировать".
    std::optional<lottery::DrawTable> choose();

    // The user's changes, as the controls would make them.
    void chooseColumns(int first, int last);
    void chooseK(int K);
    void chooseN(int N);
    // The part of a table whose range changes: all its lines, those before the change, or
    // those from it on. N is found again for the part.
    enum class Era { AllLines, BeforeChange, FromChange };
    void chooseEra(Era era);

private:
    void reread();
    void present(const lottery::DrawTable& table);
    void fillRows(const lottery::DrawTable& table);
    void fillColumnChoices(const lottery::DrawTable& table);
    void fillEraChoices(const lottery::DrawTable& table);

    QByteArray bytes_;
    lottery::DrawTable reading_;
    lottery::TableChoice choice_;
    // Where the range changes, as read from all the lines; kept while one part is shown.
    std::optional<lottery::RangeChange> rangeChange_;
    lottery::TableOrder orderOfAllLines_ = lottery::TableOrder::AsListed;
    bool updating_ = false;
    QLabel* error_;
    QTableWidget* rows_;
    QFormLayout* form_;
    QComboBox* era_;
    QComboBox* firstColumn_;
    QComboBox* lastColumn_;
    QSpinBox* K_;
    QSpinBox* N_;
    QLabel* order_;
    QLabel* drawCount_;
    QPlainTextEdit* notes_;
    QDialogButtonBox* buttons_;
    QPushButton* import_;
};
