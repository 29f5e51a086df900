#pragma once

#include "conversion/ConversionSettings.h"
#include "conversion/DocumentRows.h"

namespace paginox {

// Rows given as a list, for runs without a window.
class RowList final : public DocumentRows {
public:
    std::vector<DocumentRow> Rows() const override { return FRows; }
    std::vector<DocumentRow> FRows;
};

// Settings texts given as values, for runs without a dialog.
class SettingsTexts final : public ConversionSettings {
public:
    std::string ScaleText() const override { return FScale; }
    std::string OutputFolder() const override { return FFolder; }
    std::string FScale = "100";
    std::string FFolder;
};

} // namespace paginox
