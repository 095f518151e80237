#include "runtime/Vector_State.h"

void Clear_Vector_State()
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool has_avx = __builtin_cpu_supports("avx");
    if (has_avx) __asm__ volatile("vzeroupper" ::: "memory");
#endif
}
