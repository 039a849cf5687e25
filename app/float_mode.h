#ifndef TESSORIN_APP_FLOAT_MODE_H
#define TESSORIN_APP_FLOAT_MODE_H

#if defined(_WIN32) && defined(__i386__)
#include <float.h>

// The program's floating-point mode, set before anything else runs: a 64-bit mantissa and
// round-to-nearest, ties to even (value 0 under the mask 0x30300).
inline void UseProgramFloatMode() {
    _controlfp(_PC_64 | _RC_NEAR, _MCW_PC | _MCW_RC);
}
#else
// The precision control belongs to the x87 unit of 32-bit x86 alone (64-bit Windows refuses it);
// elsewhere doubles are computed in SSE registers, which round to double precision and start with
// round-to-nearest, ties to even.
inline void UseProgramFloatMode() {}
#endif

#endif
