#pragma once
// Waiting for the event loop in GoogleTest tests. QTest's QTRY_* macros only report to QTest and
// then return from the function, so inside a GoogleTest body a timeout would pass unnoticed; these
// fail the test instead.

#include <QCoreApplication>
#include <QTest>
#include <chrono>
#include <gtest/gtest.h>

namespace q7::test {

// Runs the event loop until `condition` holds or `timeoutMs` have passed; true when it holds. What
// workers posted before the condition came true is delivered before it returns.
template <typename Condition>
bool waitUntil(Condition condition, int timeoutMs = 5000)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        QTest::qWait(10);
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return true;
}

}  // namespace q7::test

#define Q7_WAIT_VERIFY_WITH_TIMEOUT(expr, timeoutMs) \
    ASSERT_TRUE(::q7::test::waitUntil([&] { return bool(expr); }, timeoutMs)) << "waited for: " #expr
#define Q7_WAIT_VERIFY(expr) Q7_WAIT_VERIFY_WITH_TIMEOUT(expr, 5000)
#define Q7_WAIT_COMPARE_WITH_TIMEOUT(actual, expected, timeoutMs)                            \
    do {                                                                                     \
        ::q7::test::waitUntil([&] { return (actual) == (expected); }, timeoutMs);            \
        ASSERT_EQ(actual, expected);                                                         \
    } while (false)
#define Q7_WAIT_COMPARE(actual, expected) Q7_WAIT_COMPARE_WITH_TIMEOUT(actual, expected, 5000)
