#pragma once

#include <QDialog>
#include <vector>

namespace lottery {
class LotteryDocument;
}

class AppearanceSource;
class QLabel;
class QListWidget;
class QTableWidget;
class TiledBackground;

// "Проверка билета": the card's K numbers against every past draw — how many draws matched
// 0..K of them beside what chance gives, and the best matches with their places in the list.
class FrmTicketCheck : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize kClient{470, 440};
    static constexpr int kListed = 20;

    FrmTicketCheck(const lottery::LotteryDocument& document, const AppearanceSource& appearance,
                   QWidget* parent = nullptr);

    QTableWidget* matchTable() const { return tblMatches_; }
    QListWidget* bestList() const { return lstBest_; }
    QLabel* summary() const { return lblSummary_; }

    // The card's numbers become the ticket checked from now on.
    void takeTicketFromCard();
    // The draws changed: the check is made again (and the window closed for another lottery).
    void historyChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    const lottery::LotteryDocument& document_;
    const AppearanceSource& appearance_;
    TiledBackground* background_;
    QWidget* content_;
    QLabel* lblTicket_;
    QTableWidget* tblMatches_;
    QLabel* lblBest_;
    QListWidget* lstBest_;
    QLabel* lblSummary_;
    std::vector<int> ticketNumbers_;
};
