#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Zhrebikon --audit FILE.dat [--last M] [--json]: the randomness audit of a lottery database
// without a window. `args` are the arguments after "--audit". Returns the exit code: 0 done,
// 1 the file cannot be used, 2 wrong arguments.
int RunAudit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
