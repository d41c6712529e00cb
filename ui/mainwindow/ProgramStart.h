#pragma once

#include <QString>
#include <memory>

class FrmAbout;
class FrmHelp;
class FrmMain;
class FrmNew;
class StandardDialogs;

// The four windows of the program, created in their order and kept until it ends.
struct ProgramWindows {
    std::unique_ptr<FrmMain> frmMain;
    FrmAbout* frmAbout = nullptr; // owned by frmMain
    FrmNew* frmNew = nullptr;
    FrmHelp* frmHelp = nullptr;
};

// frmMain (its FormCreate runs as it is made), then frmAbout, frmNew and frmHelp.
ProgramWindows CreateProgramWindows(StandardDialogs& dialogs);

// Creates the windows, shows the main window (opening fileToOpen, when given, as "Открыть"
// would) and runs the event loop until it closes.
int RunProgram(const QString& fileToOpen = {});
