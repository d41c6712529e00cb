#include "LotteryApplication.h"

#include "ErrorReport.h"
#include "FontSetup.h"
#include "ToolkitTranslation.h"

LotteryApplication::LotteryApplication(int& argc, char** argv) : QApplication(argc, argv) {
    InstallFontSubstitutes();
    // Without the translation the dialogs stay English; the program starts all the same.
    InstallToolkitTranslation(*this);
}

bool LotteryApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
