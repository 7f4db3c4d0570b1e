#pragma once

#include <functional>
#include <memory>

#include <QObject>

// Several QTest classes in one program: each file registers its class, and the program's main
// runs the class named first on its command line, with the rest of the arguments as QTest
// reads them. One program links Qt once for a whole folder of tests, while CTest still runs
// each class on its own.
using TestMaker = std::function<std::unique_ptr<QObject>()>;
bool register_test_class(const char* name, TestMaker make);

#define TORVANE_TEST_CLASS(Class)                                                                  \
    namespace {                                                                                    \
    [[maybe_unused]] const bool Class##_registered =                                               \
        register_test_class(#Class, [] { return std::make_unique<Class>(); });                     \
    }
