#pragma once

#include <QTest>

// A Qt Test class added to its test program, whose main (QtTestMain.cpp) runs every class added,
// in the order of their names, under one QApplication, and fails when any of them fails.
using QtTestRun = int (*)(int argc, char** argv);
bool addQtTest(const char* name, QtTestRun run);

#define TRAMEX_QT_TEST(TestClass)                                                                                      \
    [[maybe_unused]] static const bool TestClass##Added = addQtTest(#TestClass, [](int argc, char** argv) {            \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    })
