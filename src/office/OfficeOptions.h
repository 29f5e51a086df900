#pragma once

#include <chrono>
#include <string>

namespace paginox {

// How the office engine starts and guards the office; the defaults suit a desktop run.
struct OfficeOptions final {
    std::string programPath = "/usr/lib/libreoffice/program/soffice.bin";
    // The version recorded in a fresh profile, so the office skips its first-start work.
    std::string productVersion = "7.4";
    // A call to the office that runs longer than this is taken as a hang: the office is ended.
    std::chrono::milliseconds callTimeLimit{60000};
    // From starting the program to a working connection.
    std::chrono::milliseconds startTimeLimit{30000};
};

} // namespace paginox
