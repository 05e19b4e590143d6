// Whether this build may start threads: a WebAssembly build without shared memory may not, and
// searches there on the calling thread alone.
#pragma once

namespace orizen {

#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
inline constexpr bool kThreads = false;
#else
inline constexpr bool kThreads = true;
#endif

}  // namespace orizen
