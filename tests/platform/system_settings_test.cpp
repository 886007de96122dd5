#include "platform/frame/message_beep.h"
#include "platform/frame/system_settings.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class SystemSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { settings.resetToDefaults(); }
    void TearDown() override { settings.resetToDefaults(); }

    SystemSettings& settings = SystemSettings::instance();
};

} // namespace

TEST_F(SystemSettingsTest, ResolveReadsRgbAsBlueGreenRed) {
    EXPECT_EQ(settings.resolve(0x00000000), QColor(0, 0, 0));
    EXPECT_EQ(settings.resolve(0x000000FF), QColor(0xFF, 0, 0)); // red byte lowest
    EXPECT_EQ(settings.resolve(0x0000FF00), QColor(0, 0xFF, 0));
    EXPECT_EQ(settings.resolve(0x00FF0000), QColor(0, 0, 0xFF));
    EXPECT_EQ(settings.resolve(0x00123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(settings.resolve(0x0000FFFF), QColor(0xFF, 0xFF, 0)); // clYellow
    // The top byte (palette flags) does not change the colour.
    EXPECT_EQ(settings.resolve(0x02123456), QColor(0x56, 0x34, 0x12));
}

TEST_F(SystemSettingsTest, ResolveFollowsSystemColourReferencesWhenTheyChange) {
    EXPECT_EQ(settings.resolve(clActiveCaption), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(settings.resolve(clInactiveCaption), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(settings.resolve(clCaptionText), QColor(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(settings.resolve(clInactiveCaptionText), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(settings.resolve(SystemColorFlag | COLOR_BTNFACE), QColor(0xC0, 0xC0, 0xC0));

    settings.setSysColor(COLOR_ACTIVECAPTION, QColor(0x10, 0x84, 0xD0));
    EXPECT_EQ(settings.resolve(clActiveCaption), QColor(0x10, 0x84, 0xD0));
    EXPECT_EQ(settings.sysColor(COLOR_ACTIVECAPTION), QColor(0x10, 0x84, 0xD0));
    settings.resetToDefaults();
    EXPECT_EQ(settings.resolve(clActiveCaption), QColor(0x00, 0x00, 0x80));

    // References to colours that do not exist read as black.
    EXPECT_EQ(settings.resolve(SystemColorFlag | 999), QColor(Qt::black));
    EXPECT_EQ(settings.resolve(static_cast<TColor>(0xFFFFFFFFu)), QColor(Qt::black));
    EXPECT_EQ(settings.sysColor(-1), QColor(Qt::black));
    EXPECT_EQ(settings.sysColor(SysColorCount), QColor(Qt::black));
}

TEST_F(SystemSettingsTest, MetricsDefaultToTheClassicLayoutAndRefuseBadValues) {
    EXPECT_EQ(settings.metric(Metric::CxFixedFrame), 3);
    EXPECT_EQ(settings.metric(Metric::CyFrame), 4);
    EXPECT_EQ(settings.metric(Metric::CyCaption), 19);
    EXPECT_EQ(settings.metric(Metric::CySmCaption), 15);
    EXPECT_EQ(settings.metric(Metric::CxSize), 18);
    EXPECT_EQ(settings.metric(Metric::CxSmSize), 14);
    EXPECT_EQ(settings.metric(Metric::CxSmIcon), 16);
    EXPECT_EQ(settings.metric(Metric::CyMenu), 19);

    settings.setMetric(Metric::CyCaption, 25);
    EXPECT_EQ(settings.metric(Metric::CyCaption), 25);
    settings.setMetric(Metric::CyCaption, -1);
    EXPECT_EQ(settings.metric(Metric::CyCaption), 25);
    settings.setMetric(static_cast<Metric>(99), 5);
    EXPECT_EQ(settings.metric(static_cast<Metric>(99)), 0);

    settings.setSysColor(COLOR_BTNFACE, QColor());
    settings.setSysColor(SysColorCount, Qt::red);
    settings.setSysColor(-3, Qt::red);
    EXPECT_EQ(settings.sysColor(COLOR_BTNFACE), QColor(0xC0, 0xC0, 0xC0));
}

TEST_F(SystemSettingsTest, CaptionFontAndItsQtForm) {
    const auto info = settings.captionFont();
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->face, QStringLiteral("Liberation Sans"));
    EXPECT_EQ(info->height, -11);
    EXPECT_EQ(info->weight, 700);
    EXPECT_FALSE(info->italic);

    QFont font = settings.captionQFont();
    EXPECT_EQ(font.family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(font.pixelSize(), 11);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic());

    // Positive heights are points, weights up to 500 are regular.
    settings.setCaptionFont(CaptionFontInfo{QStringLiteral("Liberation Serif"), 12, true, 500});
    font = settings.captionQFont();
    EXPECT_EQ(font.pointSize(), 12);
    EXPECT_FALSE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_EQ(font.family(), QStringLiteral("Liberation Serif"));

    // A desktop that cannot tell gives the stock system font: bold, 13 pixels.
    settings.setCaptionFont(std::nullopt);
    EXPECT_FALSE(settings.captionFont().has_value());
    font = settings.captionQFont();
    EXPECT_EQ(font, settings.stockSystemFont());
    EXPECT_EQ(font.pixelSize(), 13);
    EXPECT_TRUE(font.bold());
}

TEST(MessageBeepTest, TypesMapToThemeSoundsAndNeverFailWithoutASoundDevice) {
    EXPECT_EQ(beepSoundEvent(0x30), "dialog-warning");
    EXPECT_EQ(beepSoundEvent(0x00), "bell");
    EXPECT_EQ(beepSoundEvent(0x10), "dialog-error");
    EXPECT_EQ(beepSoundEvent(0x20), "dialog-question");
    EXPECT_EQ(beepSoundEvent(0x40), "dialog-information");
    EXPECT_EQ(beepSoundEvent(0x35), "bell"); // unknown: the default sound
    EXPECT_TRUE(beepSoundEvent(0xFFFFFFFFu).empty());
    // The test machines have no sound server: each call must fall back and return.
    for (unsigned type : {0x30u, 0x00u, 0xFFFFFFFFu, 0x30u}) {
        MessageBeep(type);
    }
}
