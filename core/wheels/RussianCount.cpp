#include "wheels/RussianCount.h"

namespace wheels {

std::string RussianCount(unsigned long long count, const char* one, const char* few,
                         const char* many) {
    const unsigned long long lastTwo = count % 100;
    const unsigned long long last = count % 10;
    const char* noun = (lastTwo >= 11 && lastTwo <= 14) ? many
                       : last == 1                      ? one
                       : (last >= 2 && last <= 4)       ? few
                                                        : many;
    return std::to_string(count) + " " + noun;
}

} // namespace wheels
