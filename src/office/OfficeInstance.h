#pragma once

#include "office/OfficeOptions.h"
#include "office/OfficeProcess.h"
#include "office/ProfileJanitor.h"
#include "platform/files/TemporaryFolder.h"

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include <memory>
#include <string>
#include <vector>

namespace paginox {

// One running office: its private profile, its process and the connection to it.
// Ending it (the destructor) drops the connection, kills and reaps the process and
// removes the profile, in that order.
class OfficeInstance final {
public:
    // Starts the office and connects; EOleException saying why when it cannot.
    explicit OfficeInstance(const OfficeOptions& options);
    ~OfficeInstance();
    OfficeInstance(const OfficeInstance&) = delete;
    OfficeInstance& operator=(const OfficeInstance&) = delete;

    OfficeProcess& Process() { return *FProcess; }
    const std::string& ProfileFolder() const { return FProfile.Path(); }
    const css::uno::Reference<css::frame::XDesktop2>& Desktop() const { return FDesktop; }

    // Asks the office to end and waits briefly; the destructor kills what remains.
    void Terminate();

private:
    void StartProcess(const OfficeOptions& options);
    void Connect(const OfficeOptions& options);
    void RemovePipeFiles() const;
    void Release();

    std::string FPipeName;
    TemporaryFolder FProfile;
    ProfileJanitor FJanitor;
    std::unique_ptr<OfficeProcess> FProcess;
    css::uno::Reference<css::uno::XComponentContext> FContext;
    css::uno::Reference<css::frame::XDesktop2> FDesktop;
};

} // namespace paginox
