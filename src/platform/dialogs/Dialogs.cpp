#include "platform/dialogs/Dialogs.h"

#include "platform/paths/Paths.h"

#include <climits>
#include <unistd.h>

namespace paginox {

std::string ErrorBoxText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

std::string ApplicationTitle()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0)
        return {};
    const std::string name = ExtractFileName(std::string(buffer, static_cast<size_t>(length)));
    return ChangeFileExt(name, "");
}

} // namespace paginox
