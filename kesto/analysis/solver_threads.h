#pragma once
// How many threads the double-dummy solver may use. Its threading library ends the whole
// program when it cannot start a thread (a thread or memory limit), so the solver is handed
// only as many threads as can start at the moment it is given work.

namespace kesto {

// How many of `wanted` threads can run at once now: the caller's own, which always counts, and
// as many more as could be started beside it. Starts them, holds them until the last one is
// there, and joins them all before it returns. At least 1, at most wanted (when wanted >= 1).
int StartableThreads(int wanted);

}  // namespace kesto
