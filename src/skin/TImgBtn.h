#pragma once

#include "skin/TImage.h"

#include <functional>

namespace paginox {

// The mouse message a button passes to its mouse handlers.
struct TWMMouse {
    QPoint Pos;                 // in the button's coordinates
    Qt::MouseButtons Keys;      // buttons held
};

using TOnMouseEvent = std::function<void(const TWMMouse& msg)>;

// A picture that behaves as a button: it shows its normal, hover, pressed or
// disabled picture as the mouse moves over it and presses it, and clicks like a button.
class TImgBtn final : public TImage {
    Q_OBJECT
public:
    explicit TImgBtn(QWidget* parent = nullptr);

    const QImage& Pic() const { return FPic; }
    const QImage& PicUp() const { return FPicUp; }
    const QImage& PicDown() const { return FPicDown; }
    const QImage& PicDisable() const { return FPicDisable; }
    void SetPic(const QImage& picture);
    void SetPicUp(const QImage& picture);
    void SetPicDown(const QImage& picture);
    void SetPicDisable(const QImage& picture);

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    bool Supported() const { return FSupported; }
    void SetSupported(bool supported) { FSupported = supported; }

    bool MouseInside() const { return FMouseInside; }
    bool Pressed() const { return FPressed; }

    TOnMouseEvent OnMouseEnter;
    TOnMouseEvent OnMouseLeave;
    TOnMouseEvent OnMouseDown;
    TOnMouseEvent OnMouseUp;

signals:
    void Click();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool Active() const { return FEnabled && FSupported; }
    void MouseEntered(const TWMMouse& msg);
    void MouseLeft(const TWMMouse& msg);

    bool FMouseInside = false;
    bool FPressed = false;
    QImage FPic;
    QImage FPicDown;
    QImage FPicUp;
    QImage FPicDisable;
    bool FSupported = true;
    bool FEnabled = true;
};

} // namespace paginox
