// Drives the wheel tab as a user would, offscreen, and saves a picture of it for the manual:
// 12 numbers, "4 если 4", found, added to a set of a few random tickets and checked.
// Usage: wheel_panel_shot OUT.png
#include "TicketWindowFixture.h"
#include "tickets/WheelPanel.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: wheel_panel_shot OUT.png\n");
        return 2;
    }
    TicketWindowFixture f(200, 3);
    auto& [host, window] = f;
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
    QSignalSpy checked(window.wheelPanel(), &WheelPanel::checkEnded);
    window.findChild<QPushButton*>(QStringLiteral("btnWheelCheck"))->click();
    if (!checked.wait(60000))
        return 1;
    std::printf("set: %zu tickets, undo steps: %zu\n", host.set.size(), host.undo.size());
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
