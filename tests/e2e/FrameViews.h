// Shared by the frame's end-to-end tests: camera places in the first station
// of every run, the parts of a screenshot they look at, and bounded waits
// for a picture to show something.
#pragma once

#include "Stage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <regex>
#include <string>

namespace e2e::frame {

// A camera place in the first station, given to the program as its start.
inline ProgramSetup startingAt(const char* x, const char* y, const char* z) {
    ProgramSetup setup;
    (*setup.settings)["Level.StartX"] = x;
    (*setup.settings)["Level.StartY"] = y;
    (*setup.settings)["Level.StartZ"] = z;
    return setup;
}

// In the first room on the path, looking through its door into the start
// room: walls fill the whole view.
inline ProgramSetup insideTheStation() {
    return startingAt("7.5", "5.5", "3.5");
}

// Just outside the whole back wall of room (4, 4, 7), looking away from the
// station into empty space: the view is black but for the overlay.
inline ProgramSetup facingTheVoid() {
    return startingAt("4.5", "4.5", "9.0");
}

// 1.5 units in front of the whole front wall of room (4, 4, 0), facing it.
inline ProgramSetup facingTheFrontWall() {
    return startingAt("4.5", "4.5", "-1.5");
}

// The parts of the 800 x 600 window that the tests look at, in screen
// pixels; the 1024 x 768 screen cuts the window's right edge off.
struct View {
    int left = 256;
    int top = 128;
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;

    int visibleWidth() const { return std::min(kWidth, XvfbServer::kWidth - left); }
    int visibleHeight() const { return std::min(kHeight, XvfbServer::kHeight - top); }
    int centreX() const { return left + kWidth / 2; }
    int centreY() const { return top + kHeight / 2; }
    // The status line, drawn from (-0.95, -0.95): 20 pixels in, its
    // baseline 15 pixels above the bottom.
    int textLeft() const { return left + 20; }
    int textTop() const { return top + kHeight - 15 - 16; }
    static constexpr int kTextHeight = 22;
    // Everything but the status line.
    int sceneHeight() const { return textTop() - top; }
};

// The overlay's grey: 0.5 in every channel, untextured and unblended.
inline bool overlayGrey(Rgb p) {
    return p.r == 128 && p.g == 128 && p.b == 128;
}

// A bomb's colour: plain yellow, untextured.
inline bool bombYellow(Rgb p) {
    return p.r >= 250 && p.g >= 250 && p.b <= 5;
}

inline bool black(Rgb p) {
    return p.r < 8 && p.g < 8 && p.b < 8;
}

inline bool lit(Rgb p) {
    return !black(p);
}

class FrameStage {
public:
    explicit FrameStage(const ProgramSetup& setup) : stage_(setup) {}

    Stage& stage() { return stage_; }
    const View& view() const { return view_; }

    // True once the window is there and has drawn frames (its first
    // frame-rate caption), with the window's place on the screen read.
    bool ready() {
        if (!stage_.window()) {
            return false;
        }
        const std::string& window = *stage_.window();
        if (std::optional<WindowGeometry> g = stage_.x().geometry(window)) {
            view_.left = g->x;
            view_.top = g->y;
        }
        return stage_.x()
            .waitForName(window, std::regex(R"(.* \([0-9]+ fps\))"), Milliseconds(20000))
            .has_value();
    }

    std::optional<Image> shot(const std::string& name) { return stage_.screenshot(name); }

    // Screenshots until one satisfies test or the time is up; the last one.
    std::optional<Image> shotUntil(const std::string& name,
                                   const std::function<bool(const Image&)>& test,
                                   Milliseconds timeout = Milliseconds(15000)) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        std::optional<Image> image;
        do {
            image = shot(name);
            if (image && test(*image)) {
                break;
            }
            sleepFor(Milliseconds(200));
        } while (std::chrono::steady_clock::now() < deadline);
        return image;
    }

    // Presses (holds keys or buttons) and looks until the picture passes
    // test, a few times over: input is polled once a frame, and a press that
    // falls between two slow frames is never seen.
    std::optional<Image> pressUntil(const std::function<void()>& press, const std::string& name,
                                    const std::function<bool(const Image&)>& test,
                                    int attempts = 4) {
        std::optional<Image> image;
        for (int i = 0; i < attempts; ++i) {
            press();
            image = shotUntil(name, test, Milliseconds(4000));
            if (image && test(*image)) {
                break;
            }
        }
        return image;
    }

    // Held for a second by default, so that even slow frames see them.
    void holdKey(const std::string& key, Milliseconds hold = Milliseconds(1000)) {
        stage_.x().holdKey(key, hold);
    }
    void holdButton(int button, Milliseconds hold = Milliseconds(1000)) {
        stage_.x().holdButton(button, hold);
    }

    // Pixels of the scene (the window without the status line) that pass test.
    int sceneCount(const Image& image, bool (*test)(Rgb)) const {
        return image.count(view_.left, view_.top, view_.visibleWidth(), view_.sceneHeight(), test);
    }
    int scenePixels() const { return view_.visibleWidth() * view_.sceneHeight(); }
    int sceneDifferences(const Image& a, const Image& b) const {
        return a.differences(b, view_.left, view_.top, view_.visibleWidth(), view_.sceneHeight());
    }

    // Overlay-grey pixels in the box around the cross: its two diagonals
    // are about 24 by 18 pixels.
    int crossPixels(const Image& image) const {
        return image.count(view_.centreX() - 15, view_.centreY() - 12, 31, 25, overlayGrey);
    }
    // Bomb-yellow pixels in a box of 2 * half around the view's centre.
    int yellowNearCentre(const Image& image, int half) const {
        return image.count(view_.centreX() - half, view_.centreY() - half, 2 * half, 2 * half,
                           bombYellow);
    }

    // The right end of the status line's text (last column with a lit
    // pixel), counted from where the text starts; -1 for no text.
    int textExtent(const Image& image) const {
        int extent = -1;
        for (int x = 0; x < 500; ++x) {
            if (image.count(view_.textLeft() + x, view_.textTop(), 1, View::kTextHeight, lit) > 0) {
                extent = x;
            }
        }
        return extent;
    }

private:
    Stage stage_;
    View view_;
};

} // namespace e2e::frame
