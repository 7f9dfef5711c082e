#pragma once

#include <QObject>
#include <functional>
#include <memory>

// Several QtTest classes in one test program: each file registers its class
// with TESSARY_TEST(Class) instead of QTEST_MAIN, and the program's main (in
// TestMain.cpp, linked as tessary_testmain) runs them all, in the order of
// their names. "-class NAME" runs one class; other arguments go to QtTest.
namespace TestRegistry {
using Factory = std::function<std::unique_ptr<QObject>()>;
int add(const char *name, Factory factory);
} // namespace TestRegistry

#define TESSARY_TEST(Class)                                                                        \
    static const int tessaryTestRegistered_##Class =                                               \
        TestRegistry::add(#Class, [] { return std::unique_ptr<QObject>(new Class); });
