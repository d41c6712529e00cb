#include "LotteryApplication.h"

#include "ErrorReport.h"
#include "FontSetup.h"

LotteryApplication::LotteryApplication(int& argc, char** argv) : QApplication(argc, argv) {
    InstallFontSubstitutes();
}

bool LotteryApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
