#include "platform/automation/AutomationObject.h"
#include "platform/automation/EOleException.h"
#include "platform/automation/OleObject.h"
#include "platform/automation/ServerRegistry.h"

#include <gtest/gtest.h>

using namespace paginox;

namespace {

// A small server: a counter with a property, a method with a by-reference argument
// and a child object.
class Counter final : public AutomationObject {
public:
    Counter()
    {
        Define("Value", Method | PropertyGet, [this](auto&) { return Variant(FValue); });
        Define("Value", PropertyPut, [this](auto& args) { FValue = Arg(args, 0).AsInteger(); return Variant(); });
        Define("Double", Method, [](auto& args) {
            Variant& target = Arg(args, 0).Deref();
            target = Variant(target.AsInteger() * 2);
            return Variant();
        });
        Define("Self", Method | PropertyGet, [this](auto&) { return Variant(DispatchPtr(FSelf)); });
    }
    std::shared_ptr<Counter> FSelf;
    int FValue = 0;
};

} // namespace

TEST(Automation, MembersAreMatchedWithoutRegardToCase)
{
    auto counter = std::make_shared<Counter>();
    const OleObject object(counter);
    object.Put("VALUE", 41);
    EXPECT_EQ(object.Get("value").AsInteger(), 41);
    EXPECT_EQ(object.Get("vAlUe").AsInteger(), 41);
}

TEST(Automation, CallKindsSelectTheMember)
{
    auto counter = std::make_shared<Counter>();
    std::vector<Variant> args{Variant(7)};
    counter->Invoke("Value", PropertyPut, args);
    std::vector<Variant> none;
    EXPECT_EQ(counter->Invoke("Value", PropertyGet, none).AsInteger(), 7);
    EXPECT_EQ(counter->Invoke("Value", Method, none).AsInteger(), 7);
    // A method-only member does not answer a property put.
    EXPECT_THROW(counter->Invoke("Double", PropertyPut, args), EOleException);
}

TEST(Automation, ByReferenceArgumentsAreWrittenBack)
{
    const OleObject object(std::make_shared<Counter>());
    Variant value(21);
    object.Call("Double", {Variant::ByRef(value)});
    EXPECT_EQ(value.AsInteger(), 42);

    Variant byValue(5);
    object.Call("Double", {byValue});
    EXPECT_EQ(byValue.AsInteger(), 5);
}

TEST(Automation, ErrorsCarryTheServersMessage)
{
    const OleObject object(std::make_shared<Counter>());
    try {
        object.Call("NoSuchMember");
        FAIL() << "an unknown member must raise";
    } catch (const EOleException& error) {
        EXPECT_STREQ(error.what(), "Method 'NoSuchMember' not supported by automation object");
    }
    EXPECT_THROW(object.Call("Double"), EOleException); // argument missing
    EXPECT_THROW(OleObject().Get("Value"), EOleException);
}

TEST(Automation, VariantCoercions)
{
    EXPECT_EQ(Variant(72.5).AsInteger(), 72); // ties to even
    EXPECT_EQ(Variant(73.5).AsInteger(), 74);
    EXPECT_EQ(Variant(true).AsInteger(), -1);
    EXPECT_DOUBLE_EQ(Variant(3).AsDouble(), 3.0);
    EXPECT_EQ(Variant("text").AsText(), "text");
    EXPECT_THROW(Variant("text").AsInteger(), EOleException);
    EXPECT_THROW(Variant(1e12).AsInteger(), EOleException);
    EXPECT_THROW(Variant().AsDispatch(), EOleException);
    EXPECT_TRUE(Variant().IsEmpty());
}

TEST(Automation, RegistryCreatesByProgIdWithoutRegardToCase)
{
    ServerRegistry registry;
    int made = 0;
    registry.Register("Test.Counter", [&made] {
        ++made;
        return std::make_shared<Counter>();
    });
    EXPECT_NE(registry.Create("test.COUNTER"), nullptr);
    EXPECT_EQ(made, 1);
    EXPECT_THROW(registry.Create("Test.Missing"), EOleException);
    registry.Unregister("TEST.counter");
    EXPECT_THROW(registry.Create("Test.Counter"), EOleException);
}
