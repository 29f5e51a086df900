#include "QtTestApp.h"
#include "skin/TImgBtn.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace paginox {
namespace {

QImage Solid(QRgb colour)
{
    QImage image(25, 31, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

const QRgb Normal = qRgb(10, 10, 10);
const QRgb Hover = qRgb(20, 20, 20);
const QRgb Pressed = qRgb(30, 30, 30);
const QRgb Disabled = qRgb(40, 40, 40);

// A button with four distinct pictures, driven by the events a window delivers.
class ImgBtnTest : public test::QtFixture {
protected:
    ImgBtnTest()
    {
        test::QtTestApp();
        Button.resize(25, 31);
        Button.SetPic(Solid(Normal));
        Button.SetPicUp(Solid(Hover));
        Button.SetPicDown(Solid(Pressed));
        Button.SetPicDisable(Solid(Disabled));
        QObject::connect(&Button, &TImgBtn::Click, &Button, [this] { Log.push_back("click"); });
        Button.OnMouseUp = [this](const TWMMouse&) { Log.push_back("up:" + Shown()); };
    }

    std::string Shown() const
    {
        if (Button.Picture().isNull())
            return "none";
        switch (Button.Picture().pixel(0, 0)) {
        case Normal: return "normal";
        case Hover: return "hover";
        case Pressed: return "pressed";
        case Disabled: return "disabled";
        default: return "other";
        }
    }

    void Enter()
    {
        QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(&Button, &event);
    }
    void Leave()
    {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(&Button, &event);
    }
    void Mouse(QEvent::Type type, QPoint pos, Qt::MouseButtons held)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, pos, Button.mapToGlobal(pos), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&Button, &event);
    }
    void Press(QPoint pos = {5, 5}) { Mouse(QEvent::MouseButtonPress, pos, Qt::LeftButton); }
    void MoveHeld(QPoint pos) { Mouse(QEvent::MouseMove, pos, Qt::LeftButton); }
    void Release(QPoint pos = {5, 5}) { Mouse(QEvent::MouseButtonRelease, pos, Qt::NoButton); }

    TImgBtn Button;
    std::vector<std::string> Log;
};

TEST_F(ImgBtnTest, FollowsTheFourStatesAndClicksBeforeTheHoverPictureReturns)
{
    EXPECT_EQ(Shown(), "normal");
    Enter();
    EXPECT_EQ(Shown(), "hover");
    Press();
    EXPECT_EQ(Shown(), "pressed");
    Release();
    EXPECT_EQ(Shown(), "hover");
    // The click handler ran while the pressed picture still showed, before OnMouseUp.
    EXPECT_EQ(Log, (std::vector<std::string>{"click", "up:hover"}));
    Leave();
    EXPECT_EQ(Shown(), "normal");
}

TEST_F(ImgBtnTest, DraggingOffAndReleasingDoesNotClick)
{
    Enter();
    Press();
    MoveHeld({40, 5});  // the pointer leaves while held
    EXPECT_EQ(Shown(), "normal");
    EXPECT_TRUE(Button.Pressed());
    EXPECT_FALSE(Button.MouseInside());
    Release({40, 5});
    EXPECT_EQ(Shown(), "normal");
    EXPECT_FALSE(Button.Pressed());
    EXPECT_EQ(Log, std::vector<std::string>{"up:normal"});
    // The leave Qt delivers after such a release changes nothing.
    Leave();
    EXPECT_EQ(Shown(), "normal");
}

TEST_F(ImgBtnTest, DraggingBackOnShowsPressedAndReleasingClicks)
{
    Enter();
    Press();
    MoveHeld({40, 5});
    MoveHeld({6, 6});
    EXPECT_EQ(Shown(), "pressed");
    Release({6, 6});
    EXPECT_EQ(Log, (std::vector<std::string>{"click", "up:hover"}));
}

TEST_F(ImgBtnTest, LeaveAndEnterEventsWhilePressedGiveTheSameStates)
{
    Enter();
    Press();
    Leave();
    EXPECT_EQ(Shown(), "normal");
    Enter();
    EXPECT_EQ(Shown(), "pressed");
}

TEST_F(ImgBtnTest, UnsupportedButtonNeverSwitchesPicturesButStillClicks)
{
    Button.SetSupported(false);
    Enter();
    Press();
    EXPECT_EQ(Shown(), "normal");
    Release();
    EXPECT_EQ(Shown(), "normal");
    EXPECT_EQ(Log, std::vector<std::string>{"click"});  // OnMouseUp is not called either
}

TEST_F(ImgBtnTest, DisablingShowsDisabledAndReEnablingShowsHover)
{
    Button.SetEnabled(false);
    EXPECT_EQ(Shown(), "disabled");
    EXPECT_FALSE(Button.isEnabled());
    Enter();
    EXPECT_EQ(Shown(), "disabled");
    Button.SetEnabled(true);
    EXPECT_EQ(Shown(), "hover");  // although the pointer is elsewhere

    Button.SetPicDisable(QImage());
    Button.SetEnabled(false);
    EXPECT_EQ(Shown(), "none");
}

TEST_F(ImgBtnTest, SettingPicShowsAtOnceWhileHoverAndPressedWaitForTheMouse)
{
    Enter();
    Button.SetPicUp(Solid(qRgb(50, 50, 50)));
    EXPECT_EQ(Shown(), "hover");  // still the old hover picture
    Button.SetPic(Solid(Normal));
    EXPECT_EQ(Shown(), "normal");
}

} // namespace
} // namespace paginox
