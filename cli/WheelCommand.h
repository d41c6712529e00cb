#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The wheel commands of the command line, without Qt. args are the program's arguments
// without its name; out and err take UTF-8 text. The exit codes are those of --help:
// 0 done, 1 failed (the reason printed), 2 wrong arguments; --check-wheel gives 3 when the
// guarantee does not hold.

// Zhrebikon --wheel NUMBERS --guarantee T/M [--keys NUMBERS] [--shape K/N] [--seconds S] OUT.csv
// Searches a wheel, proves it, writes it to OUT.csv whole or not at all and prints its size,
// the guarantee and the lower bound.
int RunWheel(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Zhrebikon --check-wheel TICKETS --numbers NUMBERS --guarantee T/M [--shape K/N]
// Checks the tickets of a file (read only) against the guarantee and prints the holes.
int RunCheckWheel(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The help text of both commands, for --help.
extern const char* const kWheelHelp;
