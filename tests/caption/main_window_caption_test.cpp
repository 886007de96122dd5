// The game's own window with nothing registered by hand: linking the window brings the
// caption's registration along, and the window's component layout creates the caption.
#include "caption/gradient_caption.h"
#include "platform/frame/frame_events.h"
#include "platform/frame/system_settings.h"
#include "ui/boxes/error_report.h"
#include "ui/mainwindow/main_form.h"

#include <QCoreApplication>
#include <QImage>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

constexpr int CaptionRow = 4; // the caption's top row: no icon, no text

QImage grabFrame(QWidget& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void setActive(QWidget& window, bool active) {
    platform::FrameActivateEvent event(active);
    QCoreApplication::sendEvent(&window, &event);
}

} // namespace

TEST(MainWindowCaption, TheTableWindowPaintsItsTitleBarThroughGradientCaption1) {
    platform::SystemSettings::instance().resetToDefaults();
    // A layout that cannot be applied is reported; here the report is caught, not shown.
    QStringList errors;
    ui::SetErrorHook([&errors](const std::exception& e) { errors << QString::fromUtf8(e.what()); });
    ui::TMainForm form;
    ui::SetErrorHook({});
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    auto* c = form.findChild<caption::TGradientCaption*>(QStringLiteral("GradientCaption1"));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Vandolin"));
    EXPECT_EQ(c->CompanyText()->FontKind(), caption::fkSystemBI);
    EXPECT_EQ(c->TitleBarRect(), (caption::TitleRect{4, 4, 382, 22}));

    setActive(form, true);
    QImage image = grabFrame(form);
    EXPECT_EQ(image.pixel(4, CaptionRow), 0xFF000000u) << "the gradient starts black";
    EXPECT_EQ(image.pixel(381, CaptionRow), 0xFF000080u) << "and ends in the active caption colour";

    setActive(form, false);
    image = grabFrame(form);
    EXPECT_EQ(image.pixel(4, CaptionRow), 0xFF000000u);
    EXPECT_EQ(image.pixel(381, CaptionRow), 0xFF808080u) << "inactive: to the inactive colour";
}
