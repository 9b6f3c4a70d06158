// A file reader that holds the whole file in memory, followed by a zero byte.
#pragma once

#include "sdk/OutsideLibraries.h"

#include <vector>

namespace bastrel {

class WholeFileReader final : public FileReader {
public:
    WholeFileReader() = default;

    void Release() override { delete this; }
    // Reads the whole file; the mode is not used. False when the file cannot be
    // read, with errno telling why; the reader then holds an empty text.
    bool Open(const char* fileName, int mode) override;
    unsigned int GetSize() override { return static_cast<unsigned int>(contents_.size() - 1); }
    // Never null: an empty, terminated text before a successful Open.
    const char* GetData() override { return contents_.data(); }

private:
    ~WholeFileReader() = default;

    // The file's bytes and one zero byte after them.
    std::vector<char> contents_ = std::vector<char>(1, '\0');
};

} // namespace bastrel
