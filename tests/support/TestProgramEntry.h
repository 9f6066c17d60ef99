// Forced into every test source (as the first header the test programs compile):
// QTEST_MAIN and its kin make a function named after the test class instead of
// main(), so that one program can hold many tests; the program's own main() picks
// one by name (cmake/TestProgramMain.cpp.in). The body is QtTest's own.
#pragma once

#include <QtTest>

#undef QTEST_MAIN_WRAPPER
#define QTEST_MAIN_WRAPPER(TestObject, ...)                                                                            \
    int lumidex_test_##TestObject(int argc, char* argv[])                                                              \
    {                                                                                                                  \
        TESTLIB_SELFCOVERAGE_START(#TestObject)                                                                        \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                                             \
        __VA_ARGS__                                                                                                    \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
