#pragma once

#include <string>
#include <vector>

namespace paginox {

// What one run did: the files it wrote and the pages or documents that failed.
struct RunReport {
    struct Failure {
        std::string document; // full path
        int firstPage = 0; // 1-based; 0 when the document itself failed
        int lastPage = 0;  // the last page left unwritten by this failure
        std::string reason;
    };
    enum class Ending { None, ConnectFailed, OpenFailed, Stopped, Completed, Error };

    Ending ending = Ending::None;
    std::vector<std::string> writtenFiles;
    std::vector<Failure> failures;
};

} // namespace paginox
