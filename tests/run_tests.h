#pragma once

#include <cstdio>
#include <gtest/gtest.h>

// RUN_ALL_TESTS, except that a run whose filter selects no test fails: a check must not pass
// by running nothing, as it would once a test it names is renamed.
inline int runSelectedTests()
{
    const int status = RUN_ALL_TESTS();
    if (testing::UnitTest::GetInstance()->test_to_run_count() == 0 && !GTEST_FLAG_GET(list_tests)) {
        std::fputs("No test matches the filter.\n", stderr);
        return 1;
    }
    return status;
}
