// The frame-rate caption: "<title> (<N> fps)", never longer than its buffer.
#include "app/Caption.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace trovane {
namespace {

std::string caption(const char* title, double fps, std::size_t capacity = kCaptionCapacity) {
    std::string buffer(capacity + 8, '#'); // guard bytes after the capacity
    formatCaption(buffer.data(), capacity, title, fps);
    EXPECT_EQ(buffer.substr(capacity), std::string(8, '#')) << "wrote past the buffer";
    return std::string(buffer.c_str());
}

TEST(Caption, IsTheTitleABlankAndTheWholeFrameRate) {
    EXPECT_EQ(caption("Trovane", 60.0), "Trovane (60 fps)");
    EXPECT_EQ(caption("Trovane", 0.0), "Trovane (0 fps)");
    EXPECT_EQ(caption("", 7.0), " (7 fps)");
}

TEST(Caption, RoundsTheFrameRateToAWholeNumber) {
    EXPECT_EQ(caption("T", 59.6), "T (60 fps)");
    EXPECT_EQ(caption("T", 4294967295.0), "T (4294967295 fps)");
}

TEST(Caption, NullTitleGivesOnlyTheFrameRate) {
    EXPECT_EQ(caption(nullptr, 3.0), " (3 fps)");
}

TEST(Caption, LongTitleIsCutAndTheFrameRateKeptWhole) {
    std::string title(500, 'A');
    std::string text = caption(title.c_str(), 123.0);
    EXPECT_EQ(text.size(), kCaptionCapacity - 1);
    EXPECT_EQ(text, std::string(kCaptionCapacity - 1 - 10, 'A') + " (123 fps)");
}

TEST(Caption, TitleThatJustFitsIsKeptWhole) {
    std::string title(kCaptionCapacity - 1 - 8, 'B'); // " (5 fps)" is 8 characters
    EXPECT_EQ(caption(title.c_str(), 5.0), title + " (5 fps)");
    std::string longer = title + "C";
    EXPECT_EQ(caption(longer.c_str(), 5.0), title + " (5 fps)");
}

TEST(Caption, CutNeverSplitsAMultiByteCharacter) {
    // "é" is two bytes in UTF-8; a cut in its middle would leave invalid text.
    std::string title;
    for (int i = 0; i < 100; ++i) {
        title += "\xC3\xA9";
    }
    const std::string e = "\xC3\xA9";
    // Room for 12 bytes of title: six whole characters.
    EXPECT_EQ(caption(title.c_str(), 1.0, 21), e + e + e + e + e + e + " (1 fps)");
    // Room for 11: the sixth would be cut in half, so it goes.
    EXPECT_EQ(caption(title.c_str(), 1.0, 20), e + e + e + e + e + " (1 fps)");
}

TEST(Caption, BufferTooSmallForTheFrameRateGivesEmptyText) {
    EXPECT_EQ(caption("Trovane", 60.0, 5), "");
    char one = 'x';
    formatCaption(&one, 1, "Trovane", 60.0);
    EXPECT_EQ(one, '\0');
    formatCaption(nullptr, 0, "Trovane", 60.0); // nothing to write into
}

} // namespace
} // namespace trovane
