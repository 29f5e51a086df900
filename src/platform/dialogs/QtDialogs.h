#pragma once

#include "platform/dialogs/Dialogs.h"

#include <QStringList>

namespace paginox {

// Qt message boxes and file dialog, owned by the active window when there is one.
class QtDialogs final : public Dialogs {
public:
    void ShowMessage(const std::string& text, const std::string& title) override;
    void ShowError(const std::string& message) override;
    std::vector<std::string> ChooseOpenFiles(const std::string& filter) override;
};

// "Name|*.a;*.b|..." as Qt name filters "Name (*.a *.b)", shown without their details.
QStringList QtNameFilters(const std::string& filter);

} // namespace paginox
