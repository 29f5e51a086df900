#include "cli/CliOptions.h"

#include "conversion/ScaleText.h"

namespace paginox {

const char* const CliUsage =
    "Usage: paginox-convert [--format jpg|png|bmp] [--scale 30..100] [--output DIR] FILE|FOLDER...\n"
    "Turns word-processor documents (.doc .docx .docm .dot .dotx .dotm) into one image per page.\n"
    "A folder adds the documents directly inside it.\n"
    "\n"
    "  --format FORMAT  jpg, png or bmp (default png)\n"
    "  --scale PERCENT  the page's size in percent, 30 to 100 (default 100)\n"
    "  --output DIR     where the images go (default ~/Output; made when missing)\n"
    "  --help           this text\n"
    "\n"
    "Each written image's path is printed on standard output, progress on standard error.\n"
    "Exit status: 0 when every page was written, 1 when something failed, 2 for bad arguments.\n";

namespace {

OutputFormat FormatNamed(const std::string& name)
{
    if (name == "jpg" || name == "jpeg")
        return OutputFormat::Jpeg;
    if (name == "png")
        return OutputFormat::Png;
    if (name == "bmp")
        return OutputFormat::Bmp;
    throw CliUsageError("unknown format '" + name + "': use jpg, png or bmp");
}

} // namespace

CliOptions ParseCliOptions(const std::vector<std::string>& args, const std::string& defaultOutput,
                           const std::string& decimalSeparator)
{
    CliOptions options;
    options.output = defaultOutput;
    bool onlyInputs = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyInputs || arg.empty() || arg[0] != '-' || arg == "-") {
            options.inputs.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyInputs = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        // --name value or --name=value
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (name != "--format" && name != "--scale" && name != "--output")
            throw CliUsageError("unknown option '" + arg + "'");
        std::string value;
        if (equals != std::string::npos)
            value = arg.substr(equals + 1);
        else if (i + 1 < args.size())
            value = args[++i];
        else
            throw CliUsageError("option '" + name + "' needs a value");

        if (name == "--format") {
            options.format = FormatNamed(value);
        } else if (name == "--scale") {
            try {
                ParseScale(value, decimalSeparator);
            } catch (const std::exception& error) {
                throw CliUsageError(error.what());
            }
            options.scale = value;
        } else {
            if (value.empty())
                throw CliUsageError("option '--output' needs a folder");
            options.output = value;
        }
    }
    if (!options.help && options.inputs.empty())
        throw CliUsageError("no documents given");
    return options;
}

} // namespace paginox
