// Replays the fuzz targets' seeds and kept fault inputs (fuzz/corpus/<kind>,
// fuzz/crashes/<kind>) through the INI and image libraries as built, the way
// the program loads and drives them.
#include "app/host/PluginLoader.h"
#include "checks/ImageDecodeCheck.h"
#include "checks/SettingsTextCheck.h"
#include "sdk/IniParser.h"
#include "sdk/OutsideLibraries.h"
#include "sdk/OwnedObject.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace trovane {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputsIn(const std::string& folder) {
    std::vector<fs::path> files;
    const fs::path dir = fs::path(TROVANE_SOURCE_DIR) / "fuzz" / folder;
    if (fs::is_directory(dir)) {
        for (const auto& entry : fs::directory_iterator(dir)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void replaySettings(const std::vector<fs::path>& files) {
    PluginLoader loader;
    ASSERT_TRUE(loader.Load("Lexmoor.dll")) << loader.error();
    for (const fs::path& file : files) {
        plugin::Owned<IniParser> parser(static_cast<IniParser*>(loader.Create("IniParser")));
        ASSERT_NE(parser, nullptr);
        EXPECT_EQ(fuzz::checkSettingsText(*parser, contents(file)), "") << file;
    }
}

void replayPictures(const std::vector<fs::path>& files) {
    PluginLoader loader;
    ASSERT_TRUE(loader.Load("Vistrane.dll")) << loader.error();
    for (const fs::path& file : files) {
        plugin::Owned<ImageReader> reader(static_cast<ImageReader*>(loader.Create(nullptr)));
        ASSERT_NE(reader, nullptr);
        EXPECT_EQ(fuzz::checkImageDecode(*reader, contents(file)), "") << file;
    }
}

// Kept fault inputs (fuzz/crashes/) are replayed with the seeds.
TEST(SettingsFuzzInputs, EverySeedAndKeptFaultInputIsReadByTheRules) {
    const std::vector<fs::path> seeds = inputsIn("corpus/ini");
    ASSERT_GE(seeds.size(), 10u) << "the seeds are made by tools/make_fuzz_seeds.sh";
    replaySettings(seeds);
    replaySettings(inputsIn("crashes/ini"));
}

TEST(PictureFuzzInputs, EverySeedAndKeptFaultInputDecodesWholeOrNotAtAll) {
    const std::vector<fs::path> seeds = inputsIn("corpus/image");
    ASSERT_GE(seeds.size(), 30u) << "the seeds are made by tools/make_fuzz_seeds.sh";
    replayPictures(seeds);
    replayPictures(inputsIn("crashes/image"));
}

// The seeds are only worth their name if the good ones really decode and the
// cut ones are refused; otherwise the fuzzer starts from nothing.
TEST(PictureFuzzInputs, SeedsDecodeExceptTheCutAndForeignOnes) {
    PluginLoader loader;
    ASSERT_TRUE(loader.Load("Vistrane.dll")) << loader.error();
    for (const fs::path& file : inputsIn("corpus/image")) {
        plugin::Owned<ImageReader> reader(static_cast<ImageReader*>(loader.Create(nullptr)));
        ASSERT_NE(reader, nullptr);
        const std::string data = contents(file);
        reader->Decode(data.data(), static_cast<unsigned int>(data.size()));
        const std::string name = file.filename().string();
        const bool refused = name.rfind("cut-", 0) == 0 || name.rfind("start-marker", 0) == 0 ||
                             file.extension() != ".jpg";
        EXPECT_EQ(reader->GetPixels() == nullptr, refused) << name;
    }
}

} // namespace
} // namespace trovane
