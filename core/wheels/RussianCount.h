#pragma once

#include <string>

namespace wheels {

// "1 билет", "2 билета", "5 билетов", "21 билет", "11 билетов": the count with the noun in
// the form Russian agreement asks for.
std::string RussianCount(unsigned long long count, const char* one, const char* few,
                         const char* many);

} // namespace wheels
