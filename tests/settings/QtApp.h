#pragma once

#include <QApplication>
#include <QStyleFactory>

namespace paginox::test {

// The one QApplication of a test program, in the program's own style.
inline QApplication& App()
{
    static int argc = 1;
    static char name[] = "paginox-test";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    static const bool styled = [] {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        return true;
    }();
    (void)styled;
    return app;
}

} // namespace paginox::test
