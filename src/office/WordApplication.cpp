#include "office/WordApplication.h"

#include "office/OfficeSession.h"
#include "office/WordDocument.h"
#include "office/WordDocuments.h"
#include "office/WordSelection.h"
#include "office/WordState.h"
#include "office/WordWindow.h"
#include "platform/automation/AutomationObject.h"
#include "platform/automation/EOleException.h"

namespace paginox {

namespace {

// Word's wdWindowState values: normal, maximised, minimised.
constexpr int WindowStateLast = 2;

class WordApplicationObject final : public AutomationObject,
                                    public std::enable_shared_from_this<WordApplicationObject> {
public:
    explicit WordApplicationObject(std::shared_ptr<WordState> state) : FState(std::move(state))
    {
        Define("Visible", PropertyGet, [this](auto&) { return Variant(FState->FVisible); });
        Define("Visible", PropertyPut, [this](auto& args) {
            FState->FVisible = Arg(args, args.size() - 1).Deref().AsBoolean();
            return Variant();
        });
        Define("WindowState", PropertyGet, [this](auto&) { return Variant(FState->FWindowState); });
        Define("WindowState", PropertyPut, [this](auto& args) {
            const int value = Arg(args, args.size() - 1).Deref().AsInteger();
            if (value < 0 || value > WindowStateLast)
                throw EOleException("The window state " + std::to_string(value) + " is out of range");
            FState->FWindowState = value;
            return Variant();
        });
        Define("Documents", Method | PropertyGet,
               [this](auto&) { return Variant(DispatchPtr(std::make_shared<WordDocuments>(FState))); });
        Define("Application", Method | PropertyGet, [this](auto&) { return Variant(DispatchPtr(shared_from_this())); });
        Define("Selection", Method | PropertyGet, [this](auto&) {
            FState->ActiveDocument(); // Word has no selection without a document
            return Variant(DispatchPtr(std::make_shared<WordSelection>(FState)));
        });
        Define("ActiveDocument", Method | PropertyGet, [this](auto&) {
            return Variant(DispatchPtr(std::make_shared<WordDocument>(FState, FState->ActiveDocument())));
        });
        Define("ActiveWindow", Method | PropertyGet, [this](auto&) {
            return Variant(DispatchPtr(std::make_shared<WordWindow>(FState, FState->ActiveDocument())));
        });
        Define("Quit", Method, [this](auto&) {
            FState->Quit();
            return Variant();
        });
    }

private:
    std::shared_ptr<WordState> FState;
};

} // namespace

DispatchPtr CreateWordApplication(std::shared_ptr<OfficeSession> session)
{
    return std::make_shared<WordApplicationObject>(std::make_shared<WordState>(std::move(session)));
}

void RegisterWordApplication(ServerRegistry& registry, OfficeOptions options)
{
    registry.Register("Word.Application", [options] {
        return CreateWordApplication(std::make_shared<OfficeSession>(options));
    });
}

} // namespace paginox
