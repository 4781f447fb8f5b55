#pragma once
// The one rounding of the program's pixel and colour arithmetic: to the nearest integer, an
// exact half to the even neighbour, in extended precision.
#include <cmath>

inline int RoundHalfEven(long double v)
{
    // The default rounding mode goes to the nearest value and breaks ties to even. rintl
    // rounds in one instruction; nearbyintl saves and restores the whole FPU state around it.
    return int(std::rintl(v));
}
