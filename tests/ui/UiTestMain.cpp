#include "ui/UiTestRegistry.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = 0;
    for (const auto& make : quillmere::test::UiTestRegistry::factories()) {
        const auto test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
