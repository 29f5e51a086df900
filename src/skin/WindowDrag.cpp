#include "skin/WindowDrag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace paginox {

WindowDrag::WindowDrag(QWidget& handle, QWidget& window)
    : QObject(&handle), FHandle(handle), FWindow(window)
{
    FHandle.installEventFilter(this);
}

void WindowDrag::Arm(QPoint globalPos)
{
    FState = State::Armed;
    FPressPos = globalPos;
    FWindowPos = FWindow.pos();
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &FHandle || FState == State::Idle)
        return false;
    if (event->type() == QEvent::MouseButtonRelease) {
        FState = State::Idle;
        return false;
    }
    if (event->type() != QEvent::MouseMove)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (!(mouse->buttons() & Qt::LeftButton)) {
        FState = State::Idle;
        return false;
    }
    const QPoint delta = mouse->globalPosition().toPoint() - FPressPos;
    if (FState == State::Armed) {
        if (delta.manhattanLength() < QApplication::startDragDistance())
            return false;
        QWindow* window = FWindow.windowHandle();
        if (window && window->startSystemMove()) {
            FState = State::Idle;
            return true;
        }
        FState = State::OwnMove;
    }
    FWindow.move(FWindowPos + delta);
    return true;
}

} // namespace paginox
