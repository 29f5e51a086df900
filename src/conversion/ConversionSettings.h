#pragma once

#include <string>

namespace paginox {

// The two settings texts as the settings dialog holds them; read anew at each use.
class ConversionSettings {
public:
    virtual ~ConversionSettings() = default;
    virtual std::string ScaleText() const = 0;    // LabeledEdit1, a percentage
    virtual std::string OutputFolder() const = 0; // LabeledEdit2
};

} // namespace paginox
