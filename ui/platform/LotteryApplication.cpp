#include "platform/LotteryApplication.h"

#include "platform/ErrorReport.h"
#include "platform/ToolkitTranslation.h"
#include "widgets/FontSetup.h"

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
