#include "mainwindow/ProgramStart.h"

#include "Pictures.h"
#include "dialogs/FrmAbout.h"
#include "dialogs/FrmHelp.h"
#include "dialogs/FrmNew.h"
#include "mainwindow/FrmMain.h"
#include "options/AppearanceOptions.h"
#include "platform/QtStandardDialogs.h"
#include "platform/UrlOpener.h"

#include <QApplication>

ProgramWindows CreateProgramWindows(StandardDialogs& dialogs) {
    ProgramWindows windows;
    windows.frmMain = std::make_unique<FrmMain>(dialogs);
    FrmMain& main = *windows.frmMain;
    windows.frmAbout = new FrmAbout(main.appearance(), DesktopUrlOpener(), &main);
    windows.frmNew = new FrmNew(main.appearance(), &main);
    windows.frmHelp = new FrmHelp(main.appearance(), &main);
    main.attachDialogs(windows.frmAbout, windows.frmNew, windows.frmHelp);
    return windows;
}

int RunProgram(const QString& fileToOpen) {
    // The desktop matches the running window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("zhrebikon"));
    QApplication::setWindowIcon(art::Pictures::instance().programIcon());
    QtStandardDialogs dialogs;
    ProgramWindows windows = CreateProgramWindows(dialogs);
    windows.frmMain->show();
    if (!fileToOpen.isEmpty())
        windows.frmMain->openAtStart(fileToOpen);
    return QApplication::exec();
}
