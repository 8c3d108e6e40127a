#pragma once

// The x87 unit of x86 computes in 64 significant bits unless told otherwise. A 32-bit x86
// without SSE2 does all its floating arithmetic there, so the index sets it to double's 53 bits
// while it computes. Built on 64-bit x86 too, where only long double uses the unit, so that the
// guard is proven wherever the program is built.
#if (defined(__i386__) || defined(__x86_64__)) && defined(__GLIBC__)
#define IMC_X87 1
#include <fpu_control.h>

namespace calc {

// The x87 unit at double precision while it lives, and as it was afterwards.
class DoublePrecision {
public:
    DoublePrecision()
    {
        _FPU_GETCW(m_saved);
        const fpu_control_t doublePrecision = (m_saved & ~_FPU_EXTENDED) | _FPU_DOUBLE;
        _FPU_SETCW(doublePrecision);
    }
    ~DoublePrecision() { _FPU_SETCW(m_saved); }
    DoublePrecision(const DoublePrecision &) = delete;
    DoublePrecision &operator=(const DoublePrecision &) = delete;

private:
    fpu_control_t m_saved {};
};

} // namespace calc
#endif
