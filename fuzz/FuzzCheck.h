#pragma once

#include <cstdio>
#include <cstdlib>

// A property a fuzz target found broken: report it and crash, so that both
// the fuzzing engine and the corpus replay notice.
#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)
