#pragma once
// A rule of a harness: broken, it stops the run (__builtin_trap), so the fuzzer reports it as a crash.
inline void prüfe(bool bedingung) {
    if (!bedingung) __builtin_trap();
}
