#pragma once

// Round to nearest with an exact half to the even neighbour, written for the
// per-pixel loops: no library call, and no dependence on the floating-point
// rounding mode.

// Any double within the int range.
inline int roundHalfEvenFast(double V) {
    long long f = static_cast<long long>(V); // toward zero
    if (static_cast<double>(f) > V) --f;     // now the floor
    const double diff = V - static_cast<double>(f);
    if (diff > 0.5) return int(f + 1);
    if (diff < 0.5) return int(f);
    return int(f % 2 == 0 ? f : f + 1);
}
