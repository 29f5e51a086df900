// Starts an office, opens the document given, prints "<office pid> <profile folder>" and
// waits to be killed: the test kills this process and looks for what it left behind.
#include "office/WordApplication.h"
#include "office/OfficeSession.h"
#include "platform/automation/OleObject.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    using namespace paginox;
    if (argc != 2)
        return 2;
    auto session = std::make_shared<OfficeSession>(OfficeOptions{});
    const OleObject app(CreateWordApplication(session));
    Variant file{std::string(argv[1])};
    app.GetObject("Documents").Call("Open", {Variant::ByRef(file)});
    std::printf("%d %s\n", static_cast<int>(session->ProcessId()), session->ProfileFolder().c_str());
    std::fflush(stdout);
    for (;;)
        pause();
}
