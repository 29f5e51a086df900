#pragma once

#include "platform/shell/Shell.h"

namespace paginox {

// xdg-open, and Qt's directory dialog owned by the active window.
class DesktopShell final : public Shell {
public:
    void Open(const std::string& target) override;
    std::string ChooseFolder(const std::string& initialFolder) override;
};

} // namespace paginox
