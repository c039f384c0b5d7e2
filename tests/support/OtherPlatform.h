#pragma once
// Skips a test whose rule holds on POSIX systems only, with the reason, so that the Windows counts
// show it.

#include <gtest/gtest.h>

#ifdef _WIN32
#define SKIP_ON_WINDOWS(reason) GTEST_SKIP() << "POSIX only: " << (reason)
#else
#define SKIP_ON_WINDOWS(reason) static_cast<void>(0)
#endif
