#include "datafiles/ThreeDigits.h"

#include <cstdio>

std::string ThreeDigits(int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", number);
    return digits;
}
