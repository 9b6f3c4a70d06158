// The built image library, loaded as the program loads it, on every system.
#pragma once

#include "app/host/PluginLoader.h"
#include "sdk/OutsideLibraries.h"
#include "sdk/OwnedObject.h"
#include "tests/plugins/support/ContractExpectations.h"

#include <gtest/gtest.h>

#include <string>

namespace vistrane::test {

// Readers for the first three names only, whichever decoder is behind them.
inline void expectVistraneContract() {
    trovane::test::expectContract(trovane::test::ContractProbe("Vistrane.dll"),
                                  {"Image",
                                   {{"Default", true},
                                    {"SmartReader", true},
                                    {"JPEGReader", true},
                                    {"GIFReader", false},
                                    {"TGAReader", false},
                                    {"BMPReader", false},
                                    {"PNGReader", false},
                                    {"TIFFReader", false},
                                    {"PPMReader", false}}});
}

// The library's default reader, made fresh for each test.
class LoadedVistrane : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(loader.Load("Vistrane.dll")) << loader.error();
        reader.reset(static_cast<ImageReader*>(loader.Create(nullptr)));
        ASSERT_NE(reader, nullptr);
    }

    void expectEmpty(const std::string& what) {
        EXPECT_EQ(reader->GetWidth(), 0) << what;
        EXPECT_EQ(reader->GetHeight(), 0) << what;
        EXPECT_EQ(reader->GetPixels(), nullptr) << what;
        EXPECT_STREQ(reader->GetFormatName(), "") << what;
    }

    trovane::PluginLoader loader;
    plugin::Owned<ImageReader> reader;
};

} // namespace vistrane::test
