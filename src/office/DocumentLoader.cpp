#include "office/DocumentLoader.h"

#include "office/OfficeDocument.h"
#include "office/OfficeInstance.h"
#include "office/OfficeSession.h"
#include "office/SilentInteractionHandler.h"
#include "office/UnoProperties.h"
#include "office/UnoText.h"
#include "platform/automation/EOleException.h"

#include <com/sun/star/document/MacroExecMode.hpp>
#include <com/sun/star/document/UpdateDocMode.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <osl/file.hxx>

#include <array>
#include <filesystem>

namespace paginox {

namespace {

using css::uno::Reference;

class EOpenFailure final {
public:
    explicit EOpenFailure(std::string reason) : FReason(std::move(reason)) {}
    const std::string& Reason() const { return FReason; }

private:
    std::string FReason;
};

// The filters that read a document as plain text: such a file is no Word document.
bool IsPlainTextFilter(const OUString& filter)
{
    static constexpr std::array<const char*, 4> PlainText = {"Text", "Text (encoded)", "Text (StarWriter/Web)",
                                                            "Text (encoded) (StarWriter/Web)"};
    for (const char* name : PlainText)
        if (filter.equalsAscii(name))
            return true;
    return false;
}

OUString FilterOf(const Reference<css::frame::XModel>& model)
{
    OUString filter;
    for (const auto& argument : model->getArgs())
        if (argument.Name == "FilterName")
            argument.Value >>= filter;
    return filter;
}

std::string CheckedFile(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error || !std::filesystem::exists(absolute, error))
        throw EOpenFailure("the file does not exist");
    if (!std::filesystem::is_regular_file(absolute, error))
        throw EOpenFailure("it is not a file");
    // The office opens an empty file as a new, empty document of the extension's kind.
    if (std::filesystem::file_size(absolute, error) == 0 || error)
        throw EOpenFailure("the file is empty");
    return absolute.string();
}

css::uno::Sequence<css::beans::PropertyValue> LoadArguments()
{
    // AsTemplate false: a template opens as itself, as in Word, not as a new document.
    return Props({Prop("Hidden", css::uno::Any(true)),
                  Prop("AsTemplate", css::uno::Any(false)),
                  Prop("ReadOnly", css::uno::Any(true)),
                  Prop("Silent", css::uno::Any(true)),
                  Prop("MacroExecutionMode", css::uno::Any(css::document::MacroExecMode::NEVER_EXECUTE)),
                  Prop("UpdateDocMode", css::uno::Any(css::document::UpdateDocMode::NO_UPDATE)),
                  Prop("InteractionHandler",
                       css::uno::Any(Reference<css::task::XInteractionHandler>(new SilentInteractionHandler)))});
}

std::shared_ptr<OfficeDocument> Load(const std::shared_ptr<OfficeSession>& session, const std::string& file)
{
    OUString url;
    if (osl::FileBase::getFileURLFromSystemPath(ToOUString(file), url) != osl::FileBase::E_None)
        throw EOpenFailure("the path cannot be given to the office");

    Reference<css::lang::XComponent> component;
    std::string rejection;
    session->Run(session->Generation(), [&] {
        component = session->Instance().Desktop()->loadComponentFromURL(url, "_blank", 0, LoadArguments());
        if (!component.is())
            return;
        Reference<css::frame::XModel> model(component, css::uno::UNO_QUERY);
        Reference<css::lang::XServiceInfo> info(component, css::uno::UNO_QUERY);
        if (!model.is() || !info.is() || !info->supportsService("com.sun.star.text.TextDocument") ||
            info->supportsService("com.sun.star.text.WebDocument") ||
            info->supportsService("com.sun.star.text.GlobalDocument"))
            rejection = "it is not a text document";
        else if (model->getURL().isEmpty())
            rejection = "the office made a new document of it";
        else if (IsPlainTextFilter(FilterOf(model)))
            rejection = "the office reads it only as plain text";
        if (!rejection.empty())
            component->dispose();
    });
    if (!component.is())
        throw EOpenFailure("the office could not load it");
    if (!rejection.empty())
        throw EOpenFailure("it is not a Word document (" + rejection + ")");
    return std::make_shared<OfficeDocument>(session, component, file);
}

} // namespace

std::shared_ptr<OfficeDocument> LoadWordDocument(const std::shared_ptr<OfficeSession>& session,
                                                 const std::string& path)
{
    const std::string prefix = "Cannot open " + path + ": ";
    try {
        if (!session->QuitDone() && !session->Alive())
            session->Restart();
        return Load(session, CheckedFile(path));
    } catch (const EOpenFailure& failure) {
        throw EOleException(prefix + failure.Reason());
    } catch (const EOleException& error) {
        // An office that died on this document is replaced, so the next one can open.
        if (!session->QuitDone() && !session->Alive())
            session->Restart();
        throw EOleException(prefix + error.Message());
    }
}

} // namespace paginox
