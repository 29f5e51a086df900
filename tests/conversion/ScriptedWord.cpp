#include "ScriptedWord.h"

#include "graphics/ClipboardPictures.h"
#include "platform/AsciiText.h"
#include "platform/automation/EOleException.h"
#include "platform/clipboard/Clipboard.h"

namespace paginox::test {

struct ScriptedWord::State {
    ScriptedWord* owner = nullptr;
    const ScriptedDocument* active = nullptr;
    int selectionStart = 0, selectionEnd = 0;

    void Record(const std::string& call)
    {
        if (owner->FBeforeCall)
            owner->FBeforeCall(call);
        owner->FCalls.push_back(call);
    }
};

namespace {

using State = ScriptedWord::State;
using Handler = std::function<Variant(std::vector<Variant>&)>;

std::string KindText(unsigned kinds)
{
    if (kinds == (Method | PropertyGet))
        return "get";
    if (kinds == PropertyGet)
        return "property-get";
    if (kinds == PropertyPut)
        return "put";
    return "method";
}

std::string ArgsText(const std::vector<Variant>& args)
{
    if (args.empty())
        return "";
    std::string text = " (";
    for (size_t i = 0; i < args.size(); ++i) {
        if (i)
            text += ", ";
        if (args[i].IsByRef())
            text += "&";
        const Variant& v = args[i].Deref();
        text += v.GetKind() == Variant::Kind::Boolean ? (v.AsBoolean() ? "true" : "false") : v.AsText();
    }
    return text + ")";
}

// An object that records each call, with the member as the caller spelled it, the
// call kinds it asked for and the arguments, before answering it.
class Recorded : public IDispatch {
public:
    Variant Invoke(const std::string& member, unsigned callKinds, std::vector<Variant>& args) override
    {
        auto it = FMembers.find(AsciiLower(member) + (callKinds == PropertyPut ? "=" : ""));
        if (it == FMembers.end())
            throw EOleException("Method '" + member + "' not supported by automation object");
        FState->Record(FName + "." + member + " " + KindText(callKinds) + ArgsText(args));
        return it->second(args);
    }

protected:
    Recorded(std::shared_ptr<State> state, std::string name) : FState(std::move(state)), FName(std::move(name)) {}
    void On(const std::string& member, Handler handler) { FMembers[AsciiLower(member)] = std::move(handler); }
    void OnPut(const std::string& member, Handler handler) { FMembers[AsciiLower(member) + "="] = std::move(handler); }

    std::shared_ptr<State> FState;

private:
    std::string FName;
    std::map<std::string, Handler> FMembers;
};

class Range final : public Recorded {
public:
    Range(std::shared_ptr<State> state, int start, int end) : Recorded(std::move(state), "Range"), FStart(start), FEnd(end)
    {
        On("Start", [this](auto&) { return Variant(FStart); });
        OnPut("Start", [this](auto& args) { FStart = args.at(0).AsInteger(); return Variant(); });
        On("End", [this](auto&) { return Variant(FEnd); });
        On("GoToNext", [this](auto&) {
            const int last = FState->active->pages - 1;
            const int next = FStart < last ? FStart + 1 : FStart;
            return Variant(DispatchPtr(std::make_shared<Range>(FState, next, next)));
        });
        On("Select", [this](auto&) {
            FState->selectionStart = FStart;
            FState->selectionEnd = FEnd;
            return Variant();
        });
        On("CopyAsPicture", [this](auto&) {
            if (FStart >= FEnd)
                throw EOleException("This method or property is not available because the selection is empty");
            TClipboard clipboard;
            clipboard.SetData(ClipboardFormat::EnhMetafile, std::make_shared<MetafileClipData>(TMetafile()));
            return Variant();
        });
    }

private:
    int FStart, FEnd;
};

class PageSetup final : public Recorded {
public:
    PageSetup(std::shared_ptr<State> state, const ScriptedDocument& d) : Recorded(std::move(state), "PageSetup")
    {
        On("LeftMargin", [&d](auto&) { return Variant(d.leftMargin); });
        On("RightMargin", [&d](auto&) { return Variant(d.rightMargin); });
        On("TopMargin", [&d](auto&) { return Variant(d.topMargin); });
        On("BottomMargin", [&d](auto&) { return Variant(d.bottomMargin); });
        On("PageWidth", [&d](auto&) { return Variant(d.pageWidth); });
        On("PageHeight", [&d](auto&) { return Variant(d.pageHeight); });
    }
};

class Document final : public Recorded {
public:
    Document(std::shared_ptr<State> state, const ScriptedDocument& d) : Recorded(std::move(state), "Document")
    {
        On("Activate", [](auto&) { return Variant(); });
        On("goto", [this](auto& args) {
            const int start = args.at(2).AsInteger() - 1;
            return Variant(DispatchPtr(std::make_shared<Range>(FState, start, start)));
        });
        On("Range", [this, &d](auto& args) {
            if (args.empty())
                return Variant(DispatchPtr(std::make_shared<Range>(FState, 0, d.pages)));
            return Variant(DispatchPtr(std::make_shared<Range>(FState, args.at(0).AsInteger(), args.at(1).AsInteger())));
        });
        On("PageSetup", [this, &d](auto&) { return Variant(DispatchPtr(std::make_shared<PageSetup>(FState, d))); });
    }
};

class Selection final : public Recorded {
public:
    explicit Selection(std::shared_ptr<State> state) : Recorded(std::move(state), "Selection")
    {
        On("Information", [this](auto&) { return Variant(FState->active ? FState->active->pages : 0); });
        On("Range", [this](auto&) {
            return Variant(DispatchPtr(std::make_shared<Range>(FState, FState->selectionStart, FState->selectionEnd)));
        });
    }
};

class Window final : public Recorded {
public:
    explicit Window(std::shared_ptr<State> state) : Recorded(std::move(state), "Window")
    {
        On("Close", [this](auto&) {
            --FState->owner->FOpenNow;
            FState->active = nullptr;
            return Variant();
        });
    }
};

class Documents final : public Recorded {
public:
    Documents(std::shared_ptr<State> state, std::map<std::string, ScriptedDocument>& documents)
        : Recorded(std::move(state), "Documents")
    {
        On("Open", [this, &documents](auto& args) {
            auto it = documents.find(args.at(0).AsText());
            if (it == documents.end())
                throw EOleException("Word could not open the document");
            FState->active = &it->second;
            FState->selectionStart = FState->selectionEnd = 0;
            ++FState->owner->FOpenNow;
            return Variant();
        });
    }
};

class Application final : public Recorded, public std::enable_shared_from_this<Application> {
public:
    Application(std::shared_ptr<State> state, std::map<std::string, ScriptedDocument>& documents)
        : Recorded(std::move(state), "Application")
    {
        OnPut("Visible", [](auto&) { return Variant(); });
        OnPut("WindowState", [](auto&) { return Variant(); });
        On("Documents", [this, &documents](auto&) { return Variant(DispatchPtr(std::make_shared<Documents>(FState, documents))); });
        On("Application", [this](auto&) { return Variant(DispatchPtr(shared_from_this())); });
        On("Selection", [this](auto&) { return Variant(DispatchPtr(std::make_shared<Selection>(FState))); });
        On("ActiveDocument", [this](auto&) {
            if (!FState->active)
                throw EOleException("This command is not available because no document is open");
            return Variant(DispatchPtr(std::make_shared<Document>(FState, *FState->active)));
        });
        On("ActiveWindow", [this](auto&) { return Variant(DispatchPtr(std::make_shared<Window>(FState))); });
        On("Quit", [this](auto&) {
            ++FState->owner->FQuit;
            return Variant();
        });
    }
};

} // namespace

ScriptedWord::ScriptedWord() : FState(std::make_shared<State>())
{
    FState->owner = this;
}

void ScriptedWord::Register(ServerRegistry& registry)
{
    registry.Register("Word.Application", [this] {
        ++FStarted;
        return std::make_shared<Application>(FState, FDocuments);
    });
}

} // namespace paginox::test
