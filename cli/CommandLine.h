#pragma once

#include <QString>
#include <optional>

// What the program was asked for on its command line.
struct CommandLine {
    // Set when the command needs no window (--import, --export, --help, --version, a mistake):
    // the exit code after it has been carried out.
    std::optional<int> finished;
    // A file to open at start as "Открыть" would: a lottery database or a draw table.
    QString fileToOpen;
};

// Reads the arguments and carries out the commands that need no window, before any window or
// display exists (a QCoreApplication serves them).
CommandLine RunCommandLine(int argc, char** argv);
