#pragma once

#include <ostream>
#include <string>
#include <vector>

// `--check-tickets TICKETS HISTORY.dat [--json]`: a set of tickets against every draw of a
// lottery database, per match level beside what chance gives, and the money where the set
// has prices. args are the arguments after --check-tickets. Returns the exit code: 0 done,
// 1 a file could not be used (the reason is on err), 2 wrong arguments.
int RunCheckTickets(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
