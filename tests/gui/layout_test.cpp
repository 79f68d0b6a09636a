#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "shell/layout/design.h"
#include "shell/layout/scaled_layout.h"
#include "shell/layout/twips.h"
#include "shell/layout/window_fit.h"

namespace vantrel {
namespace {

TEST(TwipsTest, TwipsPerPixelRoundsHalvesToEven) {
    struct Row {
        double dpi;
        int expected;
    };
    const Row rows[] = {
        {96, 15},
        {120, 12},
        {144, 10},
        {192, 8},             // whole values
        {1440.0 / 7.5, 8},    // 7.5 goes up to the even 8
        {1440.0 / 12.5, 12},  // 12.5 goes down to the even 12
        {1440.0 / 8.6, 9},
        {0, 15},
        {5000, 1},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TwipsPerPixelFromDpi(row.dpi), row.expected) << row.dpi;
    }
}

TEST(TwipsTest, PixelsOfADesignRectAreTheSameOnEveryScreen) {
    const TwipsRect design{4620, 0, 3975, 4065};
    const PixelRect atDesign = TwipsToPixels(design, 15, 15);
    EXPECT_EQ(atDesign, (PixelRect{308, 0, 265, 271}));
    for (const int tpp : {8, 10, 12, 15}) {
        const TwipsRect scaled{ScaleFromDesign(design.left, tpp), ScaleFromDesign(design.top, tpp),
                               ScaleFromDesign(design.width, tpp),
                               ScaleFromDesign(design.height, tpp)};
        EXPECT_EQ(TwipsToPixels(scaled, tpp, tpp), atDesign) << tpp;
    }
}

TEST(ScaledLayoutTest, AtDesignScaleNothingChanges) {
    ScaledLayout layout(DesignControls());
    layout.Scale(15, 15);
    const std::vector<ControlDesign> design = DesignControls();
    ASSERT_EQ(layout.Controls().size(), design.size());
    for (const ControlDesign& control : design) {
        const ControlDesign* scaled = layout.Find(control.name);
        ASSERT_NE(scaled, nullptr) << control.name;
        EXPECT_EQ(scaled->rect, control.rect) << control.name;
        EXPECT_EQ(scaled->font, control.font) << control.name;
    }
}

TEST(ScaledLayoutTest, At12TwipsPerPixelEveryMeasureAndFontIsFourFifths) {
    ScaledLayout layout(DesignControls());
    layout.Scale(12, 12);
    for (const ControlDesign& control : DesignControls()) {
        const ControlDesign& scaled = *layout.Find(control.name);
        EXPECT_DOUBLE_EQ(scaled.rect.left, control.rect.left * 0.8) << control.name;
        EXPECT_DOUBLE_EQ(scaled.rect.top, control.rect.top * 0.8) << control.name;
        EXPECT_DOUBLE_EQ(scaled.rect.width, control.rect.width * 0.8) << control.name;
        EXPECT_DOUBLE_EQ(scaled.rect.height, control.rect.height * 0.8) << control.name;
        if (control.name == kMemoryLabelName || control.name == kCounterLabelName) {
            EXPECT_EQ(scaled.font, (FontDesign{"Arial", 6, false})) << control.name;
        } else if (control.font) {
            EXPECT_DOUBLE_EQ(scaled.font->points, control.font->points * 0.8) << control.name;
            EXPECT_EQ(scaled.font->family, control.font->family) << control.name;
        }
    }
}

TEST(ScaledLayoutTest, CoarserScreensKeepTheLabelTypeface) {
    ScaledLayout layout(DesignControls());
    layout.Scale(20, 20);
    EXPECT_EQ(layout.Find(kMemoryLabelName)->font->family, "MS Sans Serif");
    EXPECT_DOUBLE_EQ(layout.Find(kMemoryLabelName)->font->points, 8 * 20.0 / 15);
}

TEST(ScaledLayoutTest, NegativeHeightIsRefused) {
    ScaledLayout layout(DesignControls());
    EXPECT_TRUE(layout.SetHeight(kTapeName, 0));
    EXPECT_FALSE(layout.SetHeight(kTapeName, -1));
    EXPECT_FALSE(layout.SetHeight("NoSuchControl", 10));
    EXPECT_EQ(layout.Find(kTapeName)->rect.height, 0);
}

TEST(DesignTest, KeypadKeysHaveTheirFaceSizes) {
    for (const KeyDesign& key : KeypadDesign()) {
        const int index = ValueOf(key.index);
        const PixelRect pixels = TwipsToPixels(key.rect, 15, 15);
        const bool small = index >= 23 && index != 26 && index != 27;
        const int width = index == 19 ? 78 : 38;
        const int height = index == 15 ? 118 : small ? 29 : 38;
        EXPECT_EQ(pixels.width, width) << index;
        EXPECT_EQ(pixels.height, height) << index;
    }
}

TEST(DesignTest, NoTwoKeysOverlap) {
    const auto keys = KeypadDesign();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(ValueOf(keys[i].index), static_cast<int>(i));
        for (std::size_t j = i + 1; j < keys.size(); ++j) {
            const TwipsRect& a = keys[i].rect;
            const TwipsRect& b = keys[j].rect;
            const bool apart = a.Right() <= b.left || b.Right() <= a.left || a.Bottom() <= b.top ||
                               b.Bottom() <= a.top;
            EXPECT_TRUE(apart) << i << " and " << j;
        }
    }
}

TEST(WindowFitTest, StandardHeightEndsSixtyTwipsBelowKeyZero) {
    const TwipsRect key0{810, 3480, 570, 570};
    for (const double height : {1000.0, 4500.0, 9000.0}) {
        const WindowMeasures window{
            .width = 8655, .height = height, .clientWidth = 8655, .clientHeight = height - 300};
        EXPECT_DOUBLE_EQ(StdWindowHeight(window, key0), 300 + 4110);
    }
}

TEST(WindowFitTest, WidthFollowsTheContent) {
    const TwipsRect tape{4620, 0, 3975, 4065};
    const TwipsRect display{90, 0, 4410, 495};
    const WindowMeasures window{
        .width = 5000, .height = 4500, .clientWidth = 4880, .clientHeight = 4110};
    EXPECT_DOUBLE_EQ(FittedWindowWidth(window, true, tape, display), 4620 + 3975 + 120 + 60);
    EXPECT_DOUBLE_EQ(FittedWindowWidth(window, false, tape, display), 90 + 4410 + 120 + 75);
}

TEST(WindowFitTest, TapeHeightLeavesFortyFiveTwipsUnlessTooSmall) {
    EXPECT_EQ(FittedTapeHeight({.clientHeight = 4110}), std::optional<double>(4065));
    EXPECT_EQ(FittedTapeHeight({.clientHeight = 45}), std::optional<double>(0));
    EXPECT_EQ(FittedTapeHeight({.clientHeight = 44}), std::nullopt);
}

TEST(WindowFitTest, StoredPositionRules) {
    struct Row {
        double stored;
        std::optional<double> expected;
    };
    const Row rows[] = {
        {300, 300},
        {15360, 0},
        {20000, 0},                  // beyond the screen goes to 0
        {-1, 15360 / 2 - 4500 / 2},  // centred
        {0, std::nullopt},
        {-2, std::nullopt},  // left where it is
    };
    for (const Row& row : rows) {
        EXPECT_EQ(PlacedCoordinate(row.stored, 15360, 4500), row.expected) << row.stored;
    }
}

TEST(WindowFitTest, CentringAgainWithTheFrameSplitsItEvenly) {
    // 1024 pixels of screen, a 300-pixel window, then 30 pixels of title bar and borders.
    EXPECT_DOUBLE_EQ(CentredWithFrame(1024, 300, 30), 512 - 165);
    EXPECT_DOUBLE_EQ(CentredWithFrame(1024, 300, 0), *PlacedCoordinate(-1, 1024, 300));
}

}  // namespace
}  // namespace vantrel
