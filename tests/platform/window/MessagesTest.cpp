// The message queue: our own messages in the order posted, the timer's
// ticks on the taking thread, window events mapped to messages.
#include "platform/window/Messages.h"

#include "platform/window/Timer.h"
#include "platform/window/VideoSystem.h"
#include "platform/window/Window.h"

#include "tests/platform/window/VideoTest.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <thread>

namespace trovane::platform {
namespace {

class MessagesTest : public test::VideoTest {
protected:
    void setUpWithVideo() override {
        Message drop;
        while (peekMessage(drop)) {
        }
    }

    // The next message of kind within milliseconds, skipping others.
    std::optional<Message> next(MessageKind kind, int milliseconds) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        while (std::chrono::steady_clock::now() < deadline) {
            Message message;
            while (peekMessage(message)) {
                if (message.kind == kind) {
                    return message;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return std::nullopt;
    }
};

TEST_F(MessagesTest, PostedMessagesArriveInOrder) {
    postPaint();
    postClose();
    postQuit(3);
    Message m;
    ASSERT_TRUE(peekMessage(m));
    EXPECT_EQ(m.kind, MessageKind::Paint);
    ASSERT_TRUE(peekMessage(m));
    EXPECT_EQ(m.kind, MessageKind::Close);
    ASSERT_TRUE(peekMessage(m));
    EXPECT_EQ(m.kind, MessageKind::Quit);
    EXPECT_EQ(m.quitCode, 3);
    EXPECT_FALSE(peekMessage(m));
}

TEST_F(MessagesTest, QuitCarriesNegativeCodes) {
    postQuit(-2);
    std::optional<Message> m = next(MessageKind::Quit, 1000);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->quitCode, -2);
}

TEST_F(MessagesTest, WaitReturnsOnceAMessageWaits) {
    postPaint();
    waitMessage(); // returns at once: one is waiting
    Message m;
    ASSERT_TRUE(peekMessage(m));
    EXPECT_EQ(m.kind, MessageKind::Paint);
}

TEST_F(MessagesTest, TimerTicksCarryTheirIdAndStopWithTheTimer) {
    {
        Timer timer(0x12345679, 100);
        ASSERT_TRUE(timer.running());
        std::optional<Message> tick = next(MessageKind::Timer, 3000);
        ASSERT_TRUE(tick);
        EXPECT_EQ(tick->timerId, 0x12345679u);
        EXPECT_TRUE(next(MessageKind::Timer, 3000));
    }
    next(MessageKind::Quit, 150); // drop a tick that was already on its way
    EXPECT_FALSE(next(MessageKind::Timer, 400));
}

TEST_F(MessagesTest, ResizingTheWindowGivesASizeMessage) {
    WindowOptions options;
    options.title = "Messages";
    options.client = Rect{256, 128, 320, 200};
    std::string error;
    auto window = Window::create(options, error);
    ASSERT_NE(window, nullptr) << error;
    window->show(0);
    window->makeFramed(Rect{256, 128, 300, 180});
    std::optional<Message> size = next(MessageKind::Size, 3000);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 300);
    EXPECT_EQ(size->height, 180);
}

} // namespace
} // namespace trovane::platform
