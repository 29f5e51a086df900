#pragma once

#include <QApplication>

#include <gtest/gtest.h>

namespace paginox::test {

// The one QApplication of a test program, made on first use. It is never destroyed:
// at exit it would go after Qt's own statics (the pointing devices) and crash.
inline QApplication& QtTestApp()
{
    static int argc = 1;
    static char name[] = "paginox-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// A fixture base whose widgets may be members: the application exists before them.
class QtFixture : public ::testing::Test {
protected:
    QtFixture() { QtTestApp(); }
};

} // namespace paginox::test
