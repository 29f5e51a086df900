#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace paginox {

// Moves a frameless window with the mouse once a press on its handle (the title strip)
// turns into a drag: the desktop's own window move where it offers one, else a move of
// our own. Waiting for the drag keeps double clicks on the handle working.
class WindowDrag final : public QObject {
    Q_OBJECT
public:
    WindowDrag(QWidget& handle, QWidget& window);

    // A left press on the handle at this screen point may start a move.
    void Arm(QPoint globalPos);
    bool Moving() const { return FState == State::OwnMove; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class State { Idle, Armed, OwnMove };

    QWidget& FHandle;
    QWidget& FWindow;
    State FState = State::Idle;
    QPoint FPressPos;
    QPoint FWindowPos;
};

} // namespace paginox
