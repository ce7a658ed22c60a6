#pragma once
// The numbers of the data set's files are written with three digits: 9 -> "009". No windows.h here.

#include <string>

std::string ThreeDigits(int number);
