#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lottery {

// What stops a line from being a list of numbers, if anything.
struct NumberLineFault {
    enum class Kind { None, NotANumber, OutOfRange, Repeated };
    Kind kind = Kind::None;
    std::string word;     // the word at fault, as written
    long long number = 0; // the number it reads as (OutOfRange, Repeated)

    bool none() const { return kind == Kind::None; }
};

// The numbers of one line as people type them and as the wheel command writes them: whole numbers
// parted by blanks, tabs, commas, semicolons or carriage returns, each in 1..largest and once.
// Every ticket reader of the program reads its lines here. numbers gets those read up to a fault.
NumberLineFault ReadNumberLine(std::string_view line, int largest, std::vector<int>& numbers);

} // namespace lottery
