// Drives the wheel tab as a user would, offscreen, and saves a picture of it for the manual:
// 12 numbers, "4 если 4", found, added to a set of a few random tickets and checked.
// Usage: wheel_panel_shot OUT.png
#include "../charts/OpenedHistory.h"
#include "lottery/LotteryDocument.h"
#include "lottery/RandomSource.h"
#include "tickets/FrmTickets.h"
#include "tickets/TicketSet.h"
#include "tickets/TicketSetHost.h"
#include "tickets/WheelPanel.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <numeric>
#include <random>

namespace {

struct ShotHost : TicketSetHost {
    lottery::LotteryDocument lottery;
    lottery::TicketSet set{{6, 49}};
    lottery::LcgRandom generator{7};
    std::vector<lottery::TicketEdit> undo;
    FrmTickets* window = nullptr;
    const lottery::LotteryDocument& document() const override { return lottery; }
    const lottery::TicketSet& ticketSet() const override { return set; }
    void editTicketSet(const lottery::TicketEdit& edit, const QString&) override {
        undo.push_back(set.Apply(edit));
        window->refreshSet();
    }
    lottery::RandomSource& random() override { return generator; }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: wheel_panel_shot OUT.png\n");
        return 2;
    }
    ShotHost host;
    std::mt19937 rng(3);
    std::vector<lottery::DrawRecord> draws;
    std::vector<std::uint8_t> balls(49);
    std::iota(balls.begin(), balls.end(), 1);
    for (int i = 0; i < 200; ++i) {
        std::shuffle(balls.begin(), balls.end(), rng);
        draws.push_back({balls[0], balls[1], balls[2], balls[3], balls[4], balls[5]});
    }
    OpenDraws(host.lottery, draws, {6, 49});
    FrmTickets window(host);
    host.window = &window;
    window.refreshLottery();
    window.show();
    window.tabs()->setCurrentWidget(window.wheelPanel());
    window.findChild<QSpinBox*>(QStringLiteral("spnWheelCount"))->setValue(12);
    window.findChild<QPushButton*>(QStringLiteral("btnWheelFrequent"))->click();
    window.findChild<QSpinBox*>(QStringLiteral("spnWheelT"))->setValue(4);
    window.findChild<QSpinBox*>(QStringLiteral("spnWheelM"))->setValue(4);
    QSignalSpy ended(window.wheelPanel(), &WheelPanel::searchEnded);
    window.findChild<QPushButton*>(QStringLiteral("btnWheelFind"))->click();
    if (!ended.wait(60000))
        return 1;
    window.findChild<QPushButton*>(QStringLiteral("btnWheelAdd"))->click();
    window.findChild<QPushButton*>(QStringLiteral("btnWheelCheck"))->click();
    QTest::qWait(200);
    std::printf("set: %zu tickets, undo steps: %zu\n", host.set.size(), host.undo.size());
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
