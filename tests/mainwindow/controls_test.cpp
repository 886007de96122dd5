// The small controls the table is built from: the access-letter label, the picture box,
// the cursor table and the classic auto-size and font rules.
#include "ui/mainwindow/accel_label.h"
#include "ui/mainwindow/classic_layout.h"
#include "ui/mainwindow/picture_box.h"
#include "ui/mainwindow/screen_cursors.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QImage solid(QSize size, QColor color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

TEST(AccelLabel, MarkerUnderlinesOneLetterAndKeepsTheLogicalCaption) {
    ui::AccelLabel label;
    label.setCaption(QStringLiteral("&Start"));
    EXPECT_EQ(label.caption(), QStringLiteral("&Start"));
    EXPECT_EQ(label.text(), QStringLiteral("<u>S</u>tart"));
    EXPECT_EQ(ui::AccelLabel::plainCaption(label.caption()), QStringLiteral("Start"));

    // A doubled marker is a literal ampersand; only the first single marker counts.
    EXPECT_EQ(ui::AccelLabel::renderCaption(QStringLiteral("R&&D")), QStringLiteral("R&amp;D"));
    EXPECT_EQ(ui::AccelLabel::renderCaption(QStringLiteral("&A&B")), QStringLiteral("<u>A</u>B"));
    EXPECT_EQ(ui::AccelLabel::plainCaption(QStringLiteral("&A&B")), QStringLiteral("AB"));
    // A marker at the very end has nothing to mark and shows as it is.
    EXPECT_EQ(ui::AccelLabel::plainCaption(QStringLiteral("DEAL&")), QStringLiteral("DEAL&"));
}

TEST(AccelLabel, CaptionTextIsNeverTakenAsMarkup) {
    EXPECT_EQ(ui::AccelLabel::renderCaption(QStringLiteral("<b>x</b>")),
              QStringLiteral("&lt;b&gt;x&lt;/b&gt;"));
    EXPECT_EQ(ui::AccelLabel::renderCaption(QStringLiteral("&<")), QStringLiteral("<u>&lt;</u>"));
    EXPECT_EQ(ui::AccelLabel::renderCaption(QStringLiteral("a b")), QStringLiteral("a&nbsp;b"));
}

TEST(AccelLabel, UnderlineIsDrawnOnlyWhenMarked) {
    // Compare the bottom rows of a marked and an unmarked caption: the underline adds ink.
    const auto ink = [](const QString& caption) {
        ui::AccelLabel label;
        label.setFont(QFont(QStringLiteral("Liberation Sans"), 20));
        label.setCaption(caption);
        label.resize(label.sizeHint());
        const QImage shot = label.grab().toImage();
        int dark = 0;
        for (int y = shot.height() / 2; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                dark += qGray(shot.pixel(x, y)) < 100;
        return dark;
    };
    EXPECT_GT(ink(QStringLiteral("&Start")), ink(QStringLiteral("Start")));
}

TEST(AccelLabel, KeepsItsLookWhileItsWindowIsDisabled) {
    // The table is disabled behind every box; its round-state label must still read in its
    // own colour, as the plain labels do.
    QWidget window;
    auto* label = new ui::AccelLabel(&window);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label->setPalette(palette);
    label->setFont(QFont(QStringLiteral("Liberation Sans"), 20));
    label->setCaption(QStringLiteral("&Start"));
    label->resize(label->sizeHint());
    const QImage enabled = label->grab().toImage();
    int red = 0;
    for (int y = 0; y < enabled.height(); ++y)
        for (int x = 0; x < enabled.width(); ++x)
            red += enabled.pixelColor(x, y) == QColor(255, 0, 0);
    ASSERT_GT(red, 20);

    window.setEnabled(false);
    EXPECT_EQ(label->grab().toImage(), enabled);
}

TEST(PictureBox, DrawingCreatesItsOwnPictureAndANullSourceDrawsNothing) {
    ui::PictureBox box;
    box.resize(72, 97);
    ASSERT_TRUE(box.picture().isNull());

    box.drawPicture(QImage());
    ASSERT_EQ(box.picture().size(), QSize(72, 97)) << "the canvas is made before drawing";
    const QImage blank = box.picture();

    box.drawPicture(solid(QSize(10, 10), Qt::red));
    EXPECT_EQ(box.picture().pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(box.picture().pixelColor(9, 9), QColor(Qt::red));
    EXPECT_EQ(box.picture().pixelColor(10, 10), blank.pixelColor(10, 10)) << "drawn at (0, 0)";

    const QImage before = box.picture();
    box.drawPicture(QImage());
    EXPECT_EQ(box.picture(), before);
}

TEST(PictureBox, CopiedPicturesStayIndependent) {
    ui::PictureBox deck;
    ui::PictureBox slot;
    deck.resize(72, 97);
    slot.resize(72, 97);
    deck.drawPicture(solid(QSize(72, 97), Qt::blue));
    slot.setPicture(deck.picture());

    deck.drawPicture(solid(QSize(72, 97), Qt::green));
    EXPECT_EQ(slot.picture().pixelColor(5, 5), QColor(Qt::blue));
    slot.drawPicture(solid(QSize(72, 97), Qt::yellow));
    EXPECT_EQ(deck.picture().pixelColor(5, 5), QColor(Qt::green));
}

TEST(PictureBox, IndexedPicturesCanBeDrawnOn) {
    QImage indexed(72, 97, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    indexed.fill(1);
    ui::PictureBox box;
    box.resize(72, 97);
    box.setPicture(indexed);
    box.drawPicture(solid(QSize(4, 4), Qt::red));
    EXPECT_EQ(box.picture().pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(box.picture().pixelColor(50, 50), QColor(Qt::white));
}

TEST(PictureBox, PaintsThePictureCentred) {
    ui::PictureBox box;
    box.resize(20, 20);
    box.setPicture(solid(QSize(10, 10), Qt::red));
    const QImage shot = box.grab().toImage();
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(14, 14), QColor(Qt::red));
    EXPECT_NE(shot.pixelColor(4, 4), QColor(Qt::red));
    EXPECT_NE(shot.pixelColor(15, 15), QColor(Qt::red));
}

TEST(PictureBox, ClickNeedsALeftPressAndReleaseOverTheBox) {
    ui::PictureBox box;
    box.resize(72, 97);
    box.show();
    QSignalSpy clicks(&box, &ui::PictureBox::clicked);

    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    // Pressed on the box, released beside it: no click.
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(clicks.count(), 1);
    // A release without a press on the box is not a click either.
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(ScreenCursors, UnknownIdsGiveTheArrowAndRegistrationReplaces) {
    ui::ScreenCursors cursors;
    EXPECT_EQ(cursors.Cursor(1).shape(), Qt::ArrowCursor);
    cursors.Register(1, QCursor(Qt::PointingHandCursor));
    cursors.Register(2, QCursor(Qt::CrossCursor));
    EXPECT_EQ(cursors.Cursor(1).shape(), Qt::PointingHandCursor);
    EXPECT_EQ(cursors.Cursor(2).shape(), Qt::CrossCursor);
    cursors.Register(2, QCursor(Qt::IBeamCursor));
    EXPECT_EQ(cursors.Cursor(2).shape(), Qt::IBeamCursor);
    // The default arrow cannot be redefined.
    cursors.Register(0, QCursor(Qt::WaitCursor));
    EXPECT_FALSE(cursors.IsRegistered(0));
    EXPECT_EQ(cursors.Cursor(0).shape(), Qt::ArrowCursor);
    EXPECT_EQ(cursors.Cursor(-7).shape(), Qt::ArrowCursor);
}

TEST(ClassicLayout, AutoSizeKeepsTheAnchoredEdge) {
    QWidget parent;
    QLabel right(QStringLiteral("a royal flush- 500 : 1"), &parent);
    right.setAlignment(Qt::AlignRight | Qt::AlignTop);
    right.setGeometry(284, 244, 133, 16);
    QLabel left(QStringLiteral("Cash"), &parent);
    left.setGeometry(332, 8, 31, 16);

    ui::AutoSizeLabel(right);
    ui::AutoSizeLabel(left);
    const QFontMetrics metrics(right.font());
    EXPECT_EQ(right.geometry().right() + 1, 417);
    EXPECT_EQ(right.width(), metrics.horizontalAdvance(right.text()));
    EXPECT_EQ(right.height(), metrics.height());
    EXPECT_EQ(right.y(), 244);
    EXPECT_EQ(left.x(), 332);
    EXPECT_EQ(left.width(), QFontMetrics(left.font()).horizontalAdvance(QStringLiteral("Cash")));
}

TEST(ClassicLayout, AutoSizeMeasuresAnAccessLabelWithoutItsMarker) {
    ui::AccelLabel label;
    label.setCaption(QStringLiteral("&Start"));
    label.setGeometry(28, 132, 30, 16);
    ui::AutoSizeLabel(label);
    EXPECT_EQ(label.width(), QFontMetrics(label.font()).horizontalAdvance(QStringLiteral("Start")));
    EXPECT_EQ(label.x(), 28);
}

TEST(ClassicLayout, FontsComeFromTheClassicProperties) {
    QWidget root;
    root.setProperty("classicFace", QStringLiteral("System"));
    root.setProperty("classicPixelSize", 13);
    auto* bold = new QLabel(&root);
    bold->setProperty("classicFace", QStringLiteral("System"));
    bold->setProperty("classicPixelSize", 13);
    bold->setProperty("classicBold", true);
    auto* dialog = new QLabel(&root);
    dialog->setProperty("classicFace", QStringLiteral("MsSansSerif"));
    dialog->setProperty("classicPixelSize", 11);
    auto* broken = new QLabel(&root);
    broken->setProperty("classicFace", QStringLiteral("System"));
    broken->setProperty("classicPixelSize", -4);

    ui::ApplyClassicFonts(root);
    EXPECT_EQ(root.font().pixelSize(), 13);
    EXPECT_FALSE(root.font().bold());
    EXPECT_EQ(bold->font().pixelSize(), 13);
    EXPECT_TRUE(bold->font().bold());
    EXPECT_EQ(dialog->font().pixelSize(), 11);
    EXPECT_FALSE(dialog->font().bold());
    // A nonsense size leaves the font alone (it inherits the parent's).
    EXPECT_NE(broken->font().pixelSize(), -4);
    EXPECT_EQ(broken->font().pixelSize(), 13);
}

} // namespace
