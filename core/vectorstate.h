// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Qt's vectorised drawing can leave the upper halves of the AVX registers in use. The engine's
// plain SSE arithmetic then waits on those halves at every instruction and runs many times
// slower, so the windows clear them before computing after they have drawn.

namespace selvane {

inline void ClearUpperVectorHalves() {
#if defined(__x86_64__) && defined(__GNUC__)
    if (__builtin_cpu_supports("avx"))
        asm volatile("vzeroupper");
#endif
}

} // namespace selvane
