// The main of a program of several QTest classes (test_registry.h): runs the class its first
// argument names, as QTEST_MAIN runs a program's one class.
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include <QApplication>
#include <QTest>

#include "test_registry.h"

namespace {

// Filled while the program starts, before main; read-only afterwards.
std::map<std::string, TestMaker>& test_classes() {
    static std::map<std::string, TestMaker> classes;
    return classes;
}

} // namespace

bool register_test_class(const char* name, TestMaker make) {
    return test_classes().emplace(name, std::move(make)).second;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    const auto found = argc > 1 ? test_classes().find(argv[1]) : test_classes().end();
    if (found == test_classes().end()) {
        std::cerr << "usage: " << argv[0] << " CLASS [QTest options]; classes:";
        for (const auto& entry : test_classes()) {
            std::cerr << ' ' << entry.first;
        }
        std::cerr << '\n';
        return 2;
    }
    const std::unique_ptr<QObject> tests = found->second();
    // QTest reads the program's name first, then its own options.
    std::vector<char*> arguments = {argv[0]};
    arguments.insert(arguments.end(), argv + 2, argv + argc);
    return QTest::qExec(tests.get(), static_cast<int>(arguments.size()), arguments.data());
}
