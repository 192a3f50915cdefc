#pragma once

// A microsecond clock: microseconds since an arbitrary fixed moment (the
// machine's start), as a whole-valued double. It never goes backwards.
double Microseconds();
