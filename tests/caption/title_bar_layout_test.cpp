#include "caption/shell_version.h"
#include "caption/title_bar_layout.h"

#include <gtest/gtest.h>

using namespace caption;
using platform::BorderStyle;

namespace {

// frame 4, caption 19, buttons 18, fixed frame 3, small caption 15, small buttons 14
TitleBarInput window(BorderStyle style, int icons, int width = 442, int height = 353) {
    TitleBarInput in;
    in.formStyle = style;
    in.borderIcons = icons;
    in.width = width;
    in.height = height;
    in.metrics = {3, 3, 4, 4, 19, 15, 18, 14};
    return in;
}

} // namespace

TEST(TitleBarRectTest, SizeableWindowWithSystemMenuAndMinimize) {
    const TitleBarInput in =
        window(BorderStyle::bsSizeable, platform::biSystemMenu | platform::biMinimize);
    EXPECT_EQ(TitleBarRect(in), (TitleRect{4, 4, 382, 22}));
}

TEST(TitleBarRectTest, FrameAndButtonsFollowTheBorderStyle) {
    const int sysMin = platform::biSystemMenu | platform::biMinimize;
    EXPECT_TRUE(TitleBarRect(window(BorderStyle::bsNone, sysMin)).isEmpty());
    // Fixed frame; close button and the minimize/maximize pair.
    EXPECT_EQ(TitleBarRect(window(BorderStyle::bsSingle, sysMin)), (TitleRect{3, 3, 383, 21}));
    // A dialog has a help button instead of the pair.
    EXPECT_EQ(TitleBarRect(window(BorderStyle::bsDialog, platform::biSystemMenu | platform::biHelp |
                                                             platform::biMinimize)),
              (TitleRect{3, 3, 399, 21}));
    // Tool windows: small caption, one small button, whatever the icons say.
    EXPECT_EQ(TitleBarRect(window(BorderStyle::bsToolWindow, sysMin)), (TitleRect{3, 3, 423, 17}));
    EXPECT_EQ(TitleBarRect(window(BorderStyle::bsSizeToolWin, 0)), (TitleRect{4, 4, 422, 18}));
    // Minimized: the fixed frame even for a sizeable window.
    TitleBarInput minimized = window(BorderStyle::bsSizeable, sysMin);
    minimized.minimized = true;
    EXPECT_EQ(TitleBarRect(minimized), (TitleRect{3, 3, 383, 21}));
    // No buttons at all: the caption runs to the frame.
    EXPECT_EQ(TitleBarRect(window(BorderStyle::bsSizeable, 0)), (TitleRect{4, 4, 438, 22}));
}

TEST(TitleBarRectTest, OlderStyleHasTheSystemMenuBoxAndNoCloseButton) {
    TitleBarInput in =
        window(BorderStyle::bsSizeable, platform::biSystemMenu | platform::biMinimize);
    in.newShell = false;
    EXPECT_EQ(TitleBarRect(in), (TitleRect{22, 4, 402, 22}));
    // A dialog has no system-menu box at the left.
    in.formStyle = BorderStyle::bsDialog;
    EXPECT_EQ(TitleBarRect(in), (TitleRect{3, 3, 439, 21}));
}

TEST(TitleBarRectTest, DesignerTreatsEveryWindowAsSizeableButKeepsItsOwnMenuBox) {
    TitleBarInput in = window(BorderStyle::bsNone, platform::biSystemMenu);
    in.designing = true;
    EXPECT_EQ(TitleBarRect(in), (TitleRect{4, 4, 418, 22}));
    // The older style's menu box follows the window's own style (none), not the designer's.
    in.newShell = false;
    EXPECT_EQ(TitleBarRect(in), (TitleRect{4, 4, 438, 22}));
}

TEST(TitleBarRectTest, TooNarrowKeepsTwoPixels) {
    const TitleRect r = TitleBarRect(
        window(BorderStyle::bsSizeable, platform::biSystemMenu | platform::biMinimize, 50));
    EXPECT_EQ(r.left, 4);
    EXPECT_EQ(r.right, 6);
}

TEST(GradientBandsTest, MoreBandsThanPixelsLeavesSomeEmpty) {
    const int n = 256;
    const int w = 100;
    int empty = 0;
    for (int i = 0; i < n; ++i) {
        const int width = BandEdge(i + 1, w, n) - BandEdge(i, w, n);
        ASSERT_GE(width, 0);
        ASSERT_LE(width, 1);
        empty += width == 0 ? 1 : 0;
    }
    EXPECT_EQ(empty, 156);
    EXPECT_EQ(BandEdge(255, w, n), 100) << "the last band is among the empty ones";
    // The rightmost column belongs to band 254: one step short of the caption colour.
    EXPECT_EQ(BandEdge(254, w, n), 99);
    EXPECT_EQ(BandColor(qRgb(0, 0, 0), qRgb(0, 0, 128), 254, n), qRgb(0, 0, 127));
    EXPECT_EQ(BandColor(qRgb(0, 0, 0), qRgb(0, 0, 128), 255, n), qRgb(0, 0, 128));
}

TEST(GradientBandsTest, SixtyFourBandsOn356PixelsAreFiveOrSixWide) {
    int fives = 0;
    int sixes = 0;
    EXPECT_EQ(BandEdge(0, 356, 64), 0);
    EXPECT_EQ(BandEdge(64, 356, 64), 356);
    for (int i = 0; i < 64; ++i) {
        const int width = BandEdge(i + 1, 356, 64) - BandEdge(i, 356, 64);
        fives += width == 5 ? 1 : 0;
        sixes += width == 6 ? 1 : 0;
    }
    EXPECT_EQ(fives + sixes, 64);
    EXPECT_EQ(5 * fives + 6 * sixes, 356);
}

TEST(GradientBandsTest, ColoursRunFromStartToEndPerChannel) {
    const QRgb start = qRgb(200, 10, 0);
    const QRgb end = qRgb(0, 250, 128);
    EXPECT_EQ(BandColor(start, end, 0, 64), start);
    EXPECT_EQ(BandColor(start, end, 63, 64), end);
    // Red falls, green and blue rise: MulDiv(32, -200, 63) = -102, (32, 240, 63) = 122, ...
    EXPECT_EQ(BandColor(start, end, 32, 64), qRgb(98, 132, 65));
    // One band is the start colour, not the end colour; two bands are one of each.
    EXPECT_EQ(BandColor(start, end, 0, 1), start);
    EXPECT_EQ(BandColor(start, end, 1, 2), end);
    EXPECT_EQ(BandEdge(1, 101, 2), 51);
}

TEST(PlanTitleTextsTest, DropsTheCompanyThenTheApplicationName) {
    const TitleTextItem company{50, true};
    const TitleTextItem app{30, true};
    const TitleTextItem title{20, true};
    auto shown = [&](int available) {
        const TitleTextPlan p = PlanTitleTexts(available, company, app, title, true);
        return std::make_pair(p.showCompany, p.showApp);
    };
    EXPECT_EQ(shown(101), std::make_pair(true, true));
    EXPECT_EQ(shown(100), std::make_pair(false, true)) << "exactly as wide does not fit";
    EXPECT_EQ(shown(51), std::make_pair(false, true));
    EXPECT_EQ(shown(50), std::make_pair(false, false));
    EXPECT_EQ(shown(5), std::make_pair(false, false));
}

TEST(PlanTitleTextsTest, InvisibleItemsTakeNoRoomAndEmptyOnesTakeThree) {
    // An empty caption measures 3; an invisible item counts nothing.
    const TitleTextPlan p = PlanTitleTexts(54, {3, true}, {200, false}, {50, true}, true);
    EXPECT_TRUE(p.showCompany);
    EXPECT_FALSE(PlanTitleTexts(53, {3, true}, {200, false}, {50, true}, true).showCompany);
}

TEST(PlanTitleTextsTest, OlderStyleCentresTheBlockThatIsDrawn) {
    EXPECT_EQ(PlanTitleTexts(201, {50, true}, {30, true}, {20, true}, false).indent,
              50); // (201-100) div 2
    EXPECT_EQ(PlanTitleTexts(201, {50, true}, {30, true}, {20, true}, true).indent, 0);
    // Only the caption is left: its width is centred, even when it is invisible.
    EXPECT_EQ(PlanTitleTexts(30, {50, true}, {30, true}, {20, false}, false).indent, 5);
    EXPECT_EQ(PlanTitleTexts(20, {50, true}, {30, true}, {20, true}, false).indent, 0);
}

TEST(ShellVersionTest, NewerTitleBarsByPlatform) {
    EXPECT_FALSE(NewShellFor(std::nullopt));
    EXPECT_FALSE(NewShellFor(PlatformVersion{PlatformId::Win32s, 3}));
    EXPECT_TRUE(NewShellFor(PlatformVersion{PlatformId::Windows9x, 4}));
    EXPECT_FALSE(NewShellFor(PlatformVersion{PlatformId::WindowsNT, 3}));
    EXPECT_TRUE(NewShellFor(PlatformVersion{PlatformId::WindowsNT, 4}));
    EXPECT_TRUE(NewShellFor(PlatformVersion{static_cast<PlatformId>(7), 0}));
    EXPECT_TRUE(DetectNewShell()) << "this desktop draws the newer style";
}
