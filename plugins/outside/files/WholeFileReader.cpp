#include "WholeFileReader.h"

#include "platform/file/OpenFile.h"

#include <cerrno>
#include <cstdio>
#include <limits>
#include <memory>

namespace bastrel {

namespace {

struct CloseFile {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, CloseFile>;

// The size is reported in 32 bits, and one byte more holds the terminator.
constexpr std::size_t kLargestFile = std::numeric_limits<unsigned int>::max() - 1u;
constexpr std::size_t kChunk = 64 * 1024;

// Reads everything left in file into bytes; errno is set when it returns false.
bool readAll(std::FILE* file, std::vector<char>& bytes) {
    std::size_t used = 0;
    for (;;) {
        if (used > kLargestFile) {
            errno = EFBIG;
            return false;
        }
        bytes.resize(used + kChunk);
        const std::size_t got = std::fread(bytes.data() + used, 1, kChunk, file);
        used += got;
        if (got < kChunk) {
            bytes.resize(used);
            if (used > kLargestFile) {
                errno = EFBIG;
            }
            return std::ferror(file) == 0 && used <= kLargestFile;
        }
    }
}

} // namespace

bool WholeFileReader::Open(const char* fileName, int /*mode*/) {
    contents_.assign(1, '\0');
    if (fileName == nullptr) {
        errno = EINVAL;
        return false;
    }
    const File file(trovane::platform::openFile(fileName, "rb"));
    if (!file) {
        return false;
    }
    std::vector<char> bytes;
    if (!readAll(file.get(), bytes)) {
        if (errno == 0) {
            errno = EIO;
        }
        return false;
    }
    bytes.push_back('\0');
    contents_.swap(bytes);
    return true;
}

} // namespace bastrel
