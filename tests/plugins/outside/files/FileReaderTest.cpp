// Bastrel stand-in: whole files in memory, followed by a zero byte.
#include "app/host/PluginLoader.h"
#include "sdk/OutsideLibraries.h"
#include "sdk/OwnedObject.h"
#include "tests/plugins/support/ContractExpectations.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

namespace trovane {
namespace {

namespace fs = std::filesystem;

class FileReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(loader.Load("Bastrel.dll")) << loader.error();
        reader = newReader("Default");
        ASSERT_NE(reader, nullptr);
    }
    void TearDown() override { reader.reset(); }

    plugin::Owned<FileReader> newReader(const char* name) {
        return plugin::Owned<FileReader>(static_cast<FileReader*>(loader.Create(name)));
    }

    std::string write(const char* name, const std::string& bytes) {
        return folder.write(name, bytes).string();
    }

    // The reader holds exactly bytes, and a zero byte after them.
    static void expectContents(FileReader& fileReader, const std::string& bytes) {
        ASSERT_EQ(fileReader.GetSize(), bytes.size());
        const char* data = fileReader.GetData();
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(std::string(data, bytes.size()), bytes);
        EXPECT_EQ(data[bytes.size()], '\0');
    }

    test::TempDir folder{"trovane-files"};
    PluginLoader loader;
    plugin::Owned<FileReader> reader;
};

using FileReaderOpen = FileReaderTest;
using FileReaderFailure = FileReaderTest;

TEST(BastrelContract, DeclaresFourReadersAndCreatesAllButZip) {
    const test::ContractProbe probe("Bastrel.dll");
    test::expectContract(
        probe,
        {"IO",
         {{"Default", true}, {"SmartReader", true}, {"FileReader", true}, {"ZipReader", false}}});
}

TEST_F(FileReaderOpen, DefaultFileAndSmartReadersHoldTheWholeFile) {
    const std::string bytes("first line\r\nsecond\0after a zero byte", 36);
    const std::string path = write("settings.ini", bytes);
    for (const char* name : {"Default", "FileReader", "SmartReader"}) {
        plugin::Owned<FileReader> fileReader = newReader(name);
        ASSERT_NE(fileReader, nullptr) << name;
        EXPECT_TRUE(fileReader->Open(path.c_str(), 0)) << name;
        expectContents(*fileReader, bytes);
    }
}

TEST_F(FileReaderOpen, FileLargerThanOneReadIsComplete) {
    std::string bytes(300 * 1024 + 7, 'x');
    for (std::size_t i = 0; i < bytes.size(); i += 1000) {
        bytes[i] = static_cast<char>('a' + i % 26);
    }
    EXPECT_TRUE(reader->Open(write("large.bin", bytes).c_str(), 0));
    expectContents(*reader, bytes);
}

TEST_F(FileReaderOpen, EmptyFileIsAnEmptyText) {
    EXPECT_TRUE(reader->Open(write("empty.ini", "").c_str(), 0));
    expectContents(*reader, "");
}

TEST_F(FileReaderOpen, UnopenedReaderHoldsAnEmptyText) {
    expectContents(*reader, "");
}

TEST_F(FileReaderOpen, SecondOpenReplacesTheContents) {
    EXPECT_TRUE(reader->Open(write("a.ini", "long first contents").c_str(), 0));
    EXPECT_TRUE(reader->Open(write("b.ini", "short").c_str(), 0));
    expectContents(*reader, "short");
}

TEST_F(FileReaderFailure, MissingFileGivesFalseWithReasonAndEmptyText) {
    EXPECT_TRUE(reader->Open(write("a.ini", "old contents").c_str(), 0));
    errno = 0;
    EXPECT_FALSE(reader->Open((folder / "missing.ini").string().c_str(), 0));
    EXPECT_EQ(errno, ENOENT);
    expectContents(*reader, "");
}

TEST_F(FileReaderFailure, FolderIsNotAFile) {
    errno = 0;
    EXPECT_FALSE(reader->Open(folder.path().string().c_str(), 0));
    // Linux opens the folder and refuses to read it; Windows refuses to open it.
    EXPECT_TRUE(errno == EISDIR || errno == EACCES) << std::strerror(errno);
    expectContents(*reader, "");
}

TEST_F(FileReaderFailure, NullNameGivesFalse) {
    EXPECT_FALSE(reader->Open(nullptr, 0));
    expectContents(*reader, "");
}

} // namespace
} // namespace trovane
