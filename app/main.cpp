#include "CommandLine.h"
#include "mainwindow/ProgramStart.h"
#include "platform/LotteryApplication.h"

int main(int argc, char** argv) {
    // --import, --export, --help and --version run before any window, without a display.
    const CommandLine command = RunCommandLine(argc, argv);
    if (command.finished)
        return *command.finished;
    LotteryApplication application(argc, argv);
    return RunProgram(command.fileToOpen);
}
