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

// A non-negative value in 80-bit precision, where the exact halves of the
// grey weights and of the turned picture corners fall.
inline int roundHalfEvenExtended(long double V) {
    const long long f = static_cast<long long>(V); // the floor, V being >= 0
    const long double diff = V - static_cast<long double>(f);
    if (diff > 0.5L) return int(f + 1);
    if (diff < 0.5L) return int(f);
    return int(f % 2 == 0 ? f : f + 1);
}
