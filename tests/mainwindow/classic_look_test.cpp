// The table's menus in the classic look, whatever style the desktop asked for (the test main
// asks for a modern one): grey menus with a navy highlight, plain ticks, no strip below the bar.
#include "window_driver.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const QRgb kFace = qRgb(0xC0, 0xC0, 0xC0);
const QRgb kNavy = qRgb(0x00, 0x00, 0x80);
const QRgb kWhite = qRgb(0xFF, 0xFF, 0xFF);
const QRgb kBlack = qRgb(0x00, 0x00, 0x00);

// How many pixels of the area have exactly this colour.
int count(const QImage& image, const QRect& area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

class ClassicMenusTest : public ::testing::Test {
protected:
    void SetUp() override { table = OpenTable(); }
    const Ui::MainForm& w() const { return table->widgets(); }

    // The menu as it looks open, with `active` highlighted (none when null).
    QImage openShot(QMenu* menu, QAction* active) {
        menu->popup(table->mapToGlobal(QPoint(0, 0)));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
        menu->setActiveAction(active);
        const QImage image = Shot(menu);
        menu->close();
        return image;
    }

    std::unique_ptr<ui::TMainForm> table;
};

TEST_F(ClassicMenusTest, DeckMenuTicksOnlyTheChosenBack) {
    table->NClick(w().N_3);
    QMenu* menu = w().Mazzo2;
    const QImage image = openShot(menu, nullptr);
    for (QAction* back : menu->actions()) {
        // The column left of the item's text (which starts some 18 pixels in), where a tick
        // or a box is drawn.
        const QRect item = menu->actionGeometry(back);
        const QRect mark(item.left(), item.top(), 15, item.height());
        const int inked = mark.width() * mark.height() - count(image, mark, kFace);
        if (back == w().N_3) {
            EXPECT_GT(count(image, mark, kBlack), 6) << "the chosen back shows a tick";
        } else {
            EXPECT_EQ(inked, 0) << back->objectName().toStdString()
                                << ": an unchosen back shows nothing, not an empty box";
        }
    }
}

TEST_F(ClassicMenusTest, MenusAreGreyWithANavyHighlightAndWhiteText) {
    QMenu* menu = w().Gioco1;
    const QImage image = openShot(menu, w().Puntata1);
    const QRect lit = menu->actionGeometry(w().Puntata1);
    const QRect plain = menu->actionGeometry(w().Esci1);
    const int litArea = lit.width() * lit.height();
    EXPECT_GT(count(image, lit, kNavy), litArea * 3 / 4) << "the highlight bar is navy";
    EXPECT_GT(count(image, lit, kWhite), 5) << "its text is white";
    EXPECT_GT(count(image, plain, kFace), plain.width() * plain.height() * 3 / 4)
        << "the menu is button-face grey";
    EXPECT_GT(count(image, plain, kBlack), 5) << "with black text";
    // A raised two-pixel frame: white at the top left, black at the bottom right.
    EXPECT_EQ(image.pixel(0, image.height() / 2), kFace) << "outer light edge is 3D light grey";
    EXPECT_EQ(image.pixel(1, image.height() / 2), kWhite);
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() / 2), kBlack);
}

TEST_F(ClassicMenusTest, DisabledItemsAreGreyed) {
    Click(w().Mazzo1); // DRAW: New and Bet are disabled
    ASSERT_FALSE(w().Nuovo1->isEnabled());
    QMenu* menu = w().Gioco1;
    const QImage image = openShot(menu, nullptr);
    const QRect item = menu->actionGeometry(w().Nuovo1);
    EXPECT_EQ(count(image, item, kBlack), 0) << "no black text on a disabled item";
    EXPECT_GT(count(image, item, qRgb(0x80, 0x80, 0x80)), 5) << "grey text";
}

TEST_F(ClassicMenusTest, TheOpenHeadingIsHighlightedFlat) {
    QMenuBar* bar = w().MainMenu1;
    QImage image;
    QTimer::singleShot(50, table.get(), [&] {
        image = Shot(bar);
        w().Gioco1->close();
    });
    const QRect heading = bar->actionGeometry(w().Gioco1->menuAction());
    QTest::mouseClick(bar, Qt::LeftButton, {}, heading.center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !image.isNull(); }));
    const int area = heading.width() * heading.height();
    EXPECT_GT(count(image, heading, kNavy), area * 3 / 4) << "navy, not a raised or sunk button";
    EXPECT_GT(count(image, heading, kWhite), 5) << "white text";
    const QRect others = bar->actionGeometry(w().N2->menuAction());
    EXPECT_EQ(count(image, others, kNavy), 0) << "the closed headings stay grey";
}

TEST_F(ClassicMenusTest, NoStripRunsUnderTheMenuBar) {
    QMenuBar* bar = w().MainMenu1;
    const QImage image = Shot(bar);
    ASSERT_EQ(image.height(), 19);
    const QRect bottom(0, image.height() - 1, image.width(), 1);
    EXPECT_EQ(count(image, bottom, kFace), image.width()) << "the bar's last row is plain grey";
}

} // namespace
