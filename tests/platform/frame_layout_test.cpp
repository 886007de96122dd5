#include "platform/frame/frame_layout.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

const FrameMetrics Classic; // fixed frame 3, sizing frame 4, caption 19, buttons 18, menu 19
constexpr int SysMin = biSystemMenu | biMinimize;

FrameLayout mainWindowLayout(bool menu = true) {
    return FrameLayout(QSize(442, 353), BorderStyle::bsSizeable, SysMin, menu, Classic);
}

} // namespace

TEST(FrameLayoutTest, SizeableWindowWithMenuMatchesTheTableLayout) {
    EXPECT_EQ(
        FrameLayout::outerSizeForClient(QSize(434, 307), BorderStyle::bsSizeable, true, Classic),
        QSize(442, 353));
    const FrameLayout l = mainWindowLayout();
    EXPECT_EQ(l.frameMargins(), QMargins(4, 4, 4, 4));
    EXPECT_EQ(l.captionRect(), QRect(4, 4, 434, 18));     // rows 4..21
    EXPECT_EQ(l.captionLineRect(), QRect(4, 22, 434, 1)); // the 19th row
    EXPECT_EQ(l.menuBarRect(), QRect(4, 23, 434, 19));
    EXPECT_EQ(l.clientRect(), QRect(4, 42, 434, 307));
    EXPECT_EQ(l.iconRect(), QRect(6, 5, 16, 16));
    // Close button slot b + 2 = 20, minimise/maximise pair 2b = 36: the title ends at 382.
    EXPECT_EQ(l.textRect().left() + l.textRect().width(), 382);
    EXPECT_EQ(l.textRect().left(), 22);
    EXPECT_EQ(l.buttonRect(FrameArea::CloseButton), QRect(420, 6, 16, 14));
    EXPECT_EQ(l.buttonRect(FrameArea::MaximizeButton), QRect(402, 6, 16, 14));
    EXPECT_EQ(l.buttonRect(FrameArea::MinimizeButton), QRect(386, 6, 16, 14));
    EXPECT_TRUE(l.buttonRect(FrameArea::HelpButton).isNull());
    // The classic pair: maximise is shown but greyed when only minimise is wanted.
    EXPECT_TRUE(l.isButtonEnabled(FrameArea::MinimizeButton));
    EXPECT_FALSE(l.isButtonEnabled(FrameArea::MaximizeButton));
    EXPECT_TRUE(l.isButtonEnabled(FrameArea::CloseButton));
}

TEST(FrameLayoutTest, WithoutMenuBarTheClientMovesUp) {
    EXPECT_EQ(
        FrameLayout::outerSizeForClient(QSize(434, 307), BorderStyle::bsSizeable, false, Classic),
        QSize(442, 334));
    const FrameLayout l(QSize(442, 334), BorderStyle::bsSizeable, SysMin, false, Classic);
    EXPECT_TRUE(l.menuBarRect().isNull());
    EXPECT_EQ(l.clientRect(), QRect(4, 23, 434, 307));
}

TEST(FrameLayoutTest, OtherBorderStyles) {
    const FrameLayout single(QSize(200, 100), BorderStyle::bsSingle, SysMin, false, Classic);
    EXPECT_EQ(single.frameMargins(), QMargins(3, 3, 3, 3));
    EXPECT_EQ(single.iconRect(), QRect(5, 4, 16, 16));

    // Dialogs: no icon, no minimise/maximise pair, a help button left of close.
    const FrameLayout dialog(QSize(200, 100), BorderStyle::bsDialog,
                             biSystemMenu | biMinimize | biHelp, false, Classic);
    EXPECT_TRUE(dialog.iconRect().isNull());
    EXPECT_TRUE(dialog.buttonRect(FrameArea::MinimizeButton).isNull());
    EXPECT_EQ(dialog.buttonRect(FrameArea::CloseButton), QRect(179, 5, 16, 14));
    EXPECT_EQ(dialog.buttonRect(FrameArea::HelpButton), QRect(161, 5, 16, 14));
    EXPECT_EQ(dialog.textRect(), QRect(3, 3, 154, 18));

    // Tool windows: small caption, one small close button, nothing else.
    const FrameLayout tool(QSize(200, 100), BorderStyle::bsToolWindow, SysMin, false, Classic);
    EXPECT_EQ(tool.captionRect(), QRect(3, 3, 194, 14));
    EXPECT_EQ(tool.buttonRect(FrameArea::CloseButton), QRect(183, 5, 12, 10));
    EXPECT_TRUE(tool.buttonRect(FrameArea::MinimizeButton).isNull());
    EXPECT_TRUE(tool.iconRect().isNull());
    EXPECT_EQ(tool.clientRect(), QRect(3, 18, 194, 79));

    // No border: everything is client.
    const FrameLayout none(QSize(200, 100), BorderStyle::bsNone, SysMin, false, Classic);
    EXPECT_EQ(none.clientRect(), QRect(0, 0, 200, 100));
    EXPECT_TRUE(none.captionRect().isNull());
    EXPECT_TRUE(none.buttonRect(FrameArea::CloseButton).isNull());
    EXPECT_EQ(none.hitTest(QPoint(0, 0)), FrameArea::Client);

    // Without a system menu there is no close button and no icon.
    const FrameLayout bare(QSize(200, 100), BorderStyle::bsSizeable, biMinimize, false, Classic);
    EXPECT_TRUE(bare.buttonRect(FrameArea::CloseButton).isNull());
    EXPECT_TRUE(bare.iconRect().isNull());
    EXPECT_EQ(bare.buttonRect(FrameArea::MaximizeButton), QRect(180, 6, 16, 14));
}

TEST(FrameLayoutTest, HitTestFindsEveryPart) {
    const FrameLayout l = mainWindowLayout();
    EXPECT_EQ(l.hitTest(QPoint(0, 0)), FrameArea::TopLeft);
    EXPECT_EQ(l.hitTest(QPoint(21, 0)), FrameArea::TopLeft); // corners reach along the edge
    EXPECT_EQ(l.hitTest(QPoint(22, 0)), FrameArea::Top);
    EXPECT_EQ(l.hitTest(QPoint(441, 0)), FrameArea::TopRight);
    EXPECT_EQ(l.hitTest(QPoint(0, 200)), FrameArea::Left);
    EXPECT_EQ(l.hitTest(QPoint(438, 200)), FrameArea::Right);
    EXPECT_EQ(l.hitTest(QPoint(200, 352)), FrameArea::Bottom);
    EXPECT_EQ(l.hitTest(QPoint(441, 352)), FrameArea::BottomRight);
    EXPECT_EQ(l.hitTest(QPoint(2, 340)), FrameArea::BottomLeft);
    EXPECT_EQ(l.hitTest(QPoint(6, 5)), FrameArea::SystemMenu);
    EXPECT_EQ(l.hitTest(QPoint(100, 10)), FrameArea::Caption);
    EXPECT_EQ(l.hitTest(QPoint(100, 22)), FrameArea::Caption); // the line under it
    EXPECT_EQ(l.hitTest(QPoint(425, 10)), FrameArea::CloseButton);
    EXPECT_EQ(l.hitTest(QPoint(410, 10)), FrameArea::MaximizeButton);
    EXPECT_EQ(l.hitTest(QPoint(390, 10)), FrameArea::MinimizeButton);
    EXPECT_EQ(l.hitTest(QPoint(419, 10)), FrameArea::Caption); // the gap between buttons
    EXPECT_EQ(l.hitTest(QPoint(100, 30)), FrameArea::MenuBar);
    EXPECT_EQ(l.hitTest(QPoint(4, 42)), FrameArea::Client);
    EXPECT_EQ(l.hitTest(QPoint(-1, 10)), FrameArea::Nowhere);
    EXPECT_EQ(l.hitTest(QPoint(442, 10)), FrameArea::Nowhere);

    // A window that cannot be resized offers its frame for nothing.
    const FrameLayout fixed(QSize(442, 353), BorderStyle::bsSingle, SysMin, true, Classic);
    EXPECT_EQ(fixed.hitTest(QPoint(0, 0)), FrameArea::Border);
    EXPECT_EQ(fixed.hitTest(QPoint(441, 200)), FrameArea::Border);
}

TEST(FrameLayoutTest, TinyOrOddSizesStayWellFormed) {
    const FrameLayout tiny(QSize(5, 5), BorderStyle::bsSizeable, SysMin, true, Classic);
    EXPECT_GE(tiny.clientRect().width(), 0);
    EXPECT_GE(tiny.clientRect().height(), 0);
    EXPECT_GE(tiny.textRect().width(), 0);
    const FrameLayout negative(QSize(-10, -10), BorderStyle::bsSizeable, SysMin, true, Classic);
    EXPECT_EQ(negative.outerSize(), QSize(0, 0));
    EXPECT_EQ(negative.hitTest(QPoint(0, 0)), FrameArea::Nowhere);
    EXPECT_EQ(
        FrameLayout::outerSizeForClient(QSize(-5, -5), BorderStyle::bsSizeable, true, Classic),
        QSize(8, 46));

    // The minimum keeps the frame, caption, menu bar, icon and buttons whole.
    const QSize minimum = mainWindowLayout().minimumOuterSize();
    EXPECT_EQ(minimum.height(), 4 + 19 + 19 + 4);
    const FrameLayout small(minimum, BorderStyle::bsSizeable, SysMin, true, Classic);
    EXPECT_GT(small.textRect().width(), 0);
    EXPECT_GE(small.buttonRect(FrameArea::MinimizeButton).left(),
              small.iconRect().left() + small.iconRect().width());
}

TEST(FrameLayoutTest, ResizingByAnEdgeMovesOnlyThatEdge) {
    const QRect start(100, 100, 442, 353);
    const QSize minimum(120, 50);
    EXPECT_EQ(resizedGeometry(start, FrameArea::Right, QPoint(10, 7), minimum),
              QRect(100, 100, 452, 353));
    EXPECT_EQ(resizedGeometry(start, FrameArea::Left, QPoint(10, 7), minimum),
              QRect(110, 100, 432, 353));
    EXPECT_EQ(resizedGeometry(start, FrameArea::TopLeft, QPoint(-5, -6), minimum),
              QRect(95, 94, 447, 359));
    EXPECT_EQ(resizedGeometry(start, FrameArea::BottomRight, QPoint(3, 4), minimum),
              QRect(100, 100, 445, 357));
    // Never below the minimum, and the opposite edge does not move.
    EXPECT_EQ(resizedGeometry(start, FrameArea::Left, QPoint(1000, 0), minimum),
              QRect(422, 100, 120, 353));
    EXPECT_EQ(resizedGeometry(start, FrameArea::Bottom, QPoint(0, -1000), minimum),
              QRect(100, 100, 442, 50));
    EXPECT_EQ(resizedGeometry(start, FrameArea::Caption, QPoint(9, 9), minimum), start);
}
