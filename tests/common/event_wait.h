#pragma once

// How long a test waits for an event it needs before calling it a hang. Tests
// wait for events, never for time, and this deadline is far beyond what any
// load on the machine takes: a verdict never depends on how busy it is.

#include <QtTest>

inline constexpr int kHangMs = 60000;

#define TRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, kHangMs)
#define TRY_COMPARE(expr, expected) QTRY_COMPARE_WITH_TIMEOUT(expr, expected, kHangMs)
