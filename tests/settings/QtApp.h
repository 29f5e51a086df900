#pragma once

#include <QApplication>

namespace paginox::test {

// The test program's application, made by QtTestMain.cpp before any test runs.
inline QApplication& App()
{
    return *qApp;
}

} // namespace paginox::test
