// A fresh directory under the system's temporary folder, removed with all
// its contents when the object goes away.
#pragma once

#include <filesystem>
#include <string>

namespace trovane::test {

class TempDir {
public:
    explicit TempDir(const std::string& prefix = "trovane-test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // Writes text to a file inside the directory (folders made as needed).
    std::filesystem::path write(const std::string& name, const std::string& text) const;

private:
    std::filesystem::path path_;
};

// The whole content of a file, or "" when it cannot be read.
std::string readFile(const std::filesystem::path& file);

} // namespace trovane::test
