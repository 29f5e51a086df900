#pragma once

#include "platform/automation/OleObject.h"

namespace paginox {

// The run's Word object: quit and released when the run ends, on every way out.
class WordSession final {
public:
    explicit WordSession(OleObject word) : FWord(std::move(word)) {}
    ~WordSession() { End(); }
    WordSession(const WordSession&) = delete;
    WordSession& operator=(const WordSession&) = delete;

    const OleObject& Word() const { return FWord; }

    // Quits Word and releases it; an office that is already gone is not an error here.
    void End();

private:
    OleObject FWord;
};

} // namespace paginox
