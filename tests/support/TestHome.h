#pragma once
// The macro below needs the application and Qt Test; every test that uses it gets both here.
#include <QApplication>
#include <QString>
#include <QtTest>

// Points HOME and the XDG folders at a fresh temporary folder and turns on Qt's test mode for
// the standard paths, so no test reads or writes the real user's notes, settings or autostart
// entry. Call before the application object exists.
namespace TestHome {
void isolate();
QString root();
} // namespace TestHome

// Like QTEST_MAIN, with the per-user folders isolated first.
#define PINLEAF_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char** argv) {                                                              \
        TestHome::isolate();                                                                       \
        QApplication app(argc, argv);                                                              \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
