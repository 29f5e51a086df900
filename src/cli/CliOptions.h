#pragma once

#include "conversion/OutputFormat.h"

#include <string>
#include <vector>

namespace paginox {

struct CliOptions {
    OutputFormat format = OutputFormat::Png;
    std::string scale = "100";
    std::string output;              // the default output folder when not given
    std::vector<std::string> inputs; // files and folders as given
    bool help = false;
};

// A bad option or value; the message says which.
class CliUsageError final : public std::exception {
public:
    explicit CliUsageError(std::string message) : FMessage(std::move(message)) {}
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

// Reads the arguments after the program name. The scale is checked with the
// given decimal separator, as the settings dialog checks it.
CliOptions ParseCliOptions(const std::vector<std::string>& args, const std::string& defaultOutput,
                           const std::string& decimalSeparator);

extern const char* const CliUsage;

} // namespace paginox
