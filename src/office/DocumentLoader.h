#pragma once

#include <memory>
#include <string>

namespace paginox {

class OfficeDocument;
class OfficeSession;

// Opens a Word document read-only and hidden, with macros and links off and every
// question of the office unanswered. EOleException saying why when the file is
// missing, is no Word document, or the office fails on it; an office that dies on it
// is restarted before the error is raised.
std::shared_ptr<OfficeDocument> LoadWordDocument(const std::shared_ptr<OfficeSession>& session,
                                                 const std::string& path);

} // namespace paginox
