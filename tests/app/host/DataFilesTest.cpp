// Where settings and the texture are looked for: the working directory
// first, the executable's own folder last.
#include "app/host/DataFiles.h"

#include <gtest/gtest.h>

namespace trovane {
namespace {

const SearchPlaces kInstalled{"/opt/trovane/bin/", "/home/ada/.config"};

TEST(ConfigHome, XdgWhenAbsoluteOtherwiseHomeConfig) {
    EXPECT_EQ(configHomeFrom("/xdg", "/home/ada"), "/xdg");
    EXPECT_EQ(configHomeFrom(nullptr, "/home/ada"), "/home/ada/.config");
    EXPECT_EQ(configHomeFrom("", "/home/ada"), "/home/ada/.config");
    EXPECT_EQ(configHomeFrom("relative/xdg", "/home/ada"), "/home/ada/.config");
    EXPECT_EQ(configHomeFrom(nullptr, nullptr), "");
    EXPECT_EQ(configHomeFrom(nullptr, ""), "");
}

TEST(ConfigFileCandidates, WorkingDirectoryThenUserThenInstalledThenBesideTheProgram) {
    EXPECT_EQ(configFileCandidates(kInstalled),
              (std::vector<std::string>{"config.ini", "/home/ada/.config/trovane/config.ini",
                                        "/opt/trovane/share/trovane/config.ini",
                                        "/opt/trovane/bin/config.ini"}));
}

TEST(ConfigFileCandidates, UnknownPlacesAreLeftOut) {
    EXPECT_EQ(configFileCandidates({}), std::vector<std::string>{"config.ini"});
    EXPECT_EQ(configFileCandidates({"/usr/games/", ""}),
              (std::vector<std::string>{"config.ini", "/usr/share/trovane/config.ini",
                                        "/usr/games/config.ini"}));
}

TEST(TextureFileCandidates, WorkingDirectoryThenInstalledThenBesideTheProgram) {
    EXPECT_EQ(textureFileCandidates(kInstalled),
              (std::vector<std::string>{"textures/morvex.jpg",
                                        "/opt/trovane/share/trovane/textures/morvex.jpg",
                                        "/opt/trovane/bin/textures/morvex.jpg"}));
    EXPECT_EQ(textureFileCandidates({}), std::vector<std::string>{"textures/morvex.jpg"});
}

} // namespace
} // namespace trovane
