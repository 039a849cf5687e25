#ifndef TESSORIN_APP_FLOAT_MODE_H
#define TESSORIN_APP_FLOAT_MODE_H

#ifdef _WIN32
#include <float.h>

// The program's floating-point mode, set before anything else runs: a 64-bit mantissa and
// round-to-nearest, ties to even (value 0 under the mask 0x30300).
inline void UseProgramFloatMode() {
    _controlfp(_PC_64 | _RC_NEAR, _MCW_PC | _MCW_RC);
}
#else
// Elsewhere the core runs in the platform's own double precision.
inline void UseProgramFloatMode() {}
#endif

#endif
