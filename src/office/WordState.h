#pragma once

#include <memory>
#include <vector>

namespace paginox {

class OfficeDocument;
class OfficeSession;

// What the server's objects share: the office, the open documents and which of them
// is active, and the window settings the caller put.
class WordState final {
public:
    explicit WordState(std::shared_ptr<OfficeSession> session) : FSession(std::move(session)) {}
    ~WordState();
    WordState(const WordState&) = delete;
    WordState& operator=(const WordState&) = delete;

    const std::shared_ptr<OfficeSession>& Session() const { return FSession; }

    void Add(const std::shared_ptr<OfficeDocument>& document);
    void Activate(const std::shared_ptr<OfficeDocument>& document);
    // Closes the document and makes the most recently opened other one active.
    void Close(const std::shared_ptr<OfficeDocument>& document);
    // EOleException when no document is open, as Word's own objects do.
    std::shared_ptr<OfficeDocument> ActiveDocument() const;
    void Quit();

    bool FVisible = false;
    int FWindowState = 0;

private:
    std::shared_ptr<OfficeSession> FSession;
    std::vector<std::shared_ptr<OfficeDocument>> FDocuments;
    std::shared_ptr<OfficeDocument> FActive;
};

} // namespace paginox
