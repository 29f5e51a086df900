#pragma once

#include <QImage>
#include <QWidget>

namespace paginox {

// A picture control: draws its picture at the top-left corner, or stretched over the
// whole control. The picture is also a drawing surface (Canvas) that callers paint into.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return FPicture; }
    void SetPicture(const QImage& picture);
    // For drawing into the picture; the control repaints when the painter is done.
    QImage& Canvas();

    bool Stretch() const { return FStretch; }
    void SetStretch(bool stretch);
    // The control takes the size of each picture it is given.
    void SetAutoSize(bool autoSize);

signals:
    void MouseDown(QMouseEvent* event);
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage FPicture;
    bool FStretch = false;
    bool FAutoSize = false;
};

} // namespace paginox
