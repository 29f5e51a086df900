#include "app/TApplication.h"
#include "platform/dialogs/DialogRecorder.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStyle>

#include <gtest/gtest.h>

#include <stdexcept>

namespace paginox {
namespace {

TApplication& App()
{
    static int argc = 1;
    static char name[] = "paginox-test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit it would go after Qt's own statics.
    static TApplication* app = new TApplication(argc, argv);
    return *app;
}

// An event handler that fails with the given message.
class Failing final : public QObject {
public:
    explicit Failing(std::string message) : FMessage(std::move(message)) {}
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error(FMessage);
        return QObject::event(event);
    }

private:
    std::string FMessage;
};

TEST(ApplicationErrorBox, ShowsTheMessageOfAnErrorLeavingAHandlerAndCarriesOn)
{
    TApplication& app = App();
    DialogRecorder dialogs;
    app.SetErrorDialogs(&dialogs);
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"'abc' is not a valid floating point value", "'abc' is not a valid floating point value."},
        {"Disk full.", "Disk full."},
        {"Ends in a blank ", "Ends in a blank "},
    };
    for (const auto& c : cases) {
        Failing receiver(c.message);
        QEvent event(QEvent::User);
        EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &event));
        ASSERT_FALSE(dialogs.Records().empty());
        EXPECT_EQ(dialogs.Records().back().kind, DialogRecorder::Kind::Error);
        EXPECT_EQ(dialogs.Records().back().text, c.shown);
    }
    EXPECT_EQ(app.style()->name().toLower(), QStringLiteral("fusion"));
    app.SetErrorDialogs(nullptr);
}

} // namespace
} // namespace paginox
