#include "platform/frame/frame_events.h"
#include "platform/frame/frame_layout.h"
#include "platform/frame/framed_window.h"
#include "platform/frame/system_settings.h"

#include <QMenuBar>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace platform;

namespace {

// What a hook saw, in the order the hooks saw it.
struct Seen {
    QString hook;
    int type;
    QRegion region; // paint messages
    bool active;    // activation messages
    int cause;      // settings messages
};

// A hook in the chain: records every frame message; optionally paints a part of the frame
// itself and keeps it from the rest of the chain.
class RecordingHook : public QObject {
public:
    RecordingHook(QString name, std::vector<Seen>& log) : name_(std::move(name)), log_(log) {}

    void takePart(const QRect& part, const QColor& colour) {
        part_ = part;
        colour_ = colour;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        Seen seen{name_, static_cast<int>(event->type()), {}, false, -1};
        switch (static_cast<int>(event->type())) {
        case FramePaintEventType: {
            auto* paint = static_cast<FramePaintEvent*>(event);
            seen.region = paint->region();
            if (!part_.isNull()) {
                paint->painter().fillRect(part_, colour_);
                paint->setRegion(paint->region() - part_);
            }
            break;
        }
        case FrameActivateEventType:
            seen.active = static_cast<FrameActivateEvent*>(event)->active();
            break;
        case FrameSettingsEventType:
            seen.cause = static_cast<int>(static_cast<FrameSettingsEvent*>(event)->cause());
            break;
        default:
            return false;
        }
        log_.push_back(seen);
        return false; // always pass the message on
    }

private:
    QString name_;
    std::vector<Seen>& log_;
    QRect part_;
    QColor colour_;
};

class FrameHooksTest : public ::testing::Test {
protected:
    void SetUp() override {
        SystemSettings::instance().resetToDefaults();
        window = std::make_unique<FramedWindow>();
        window->setWindowTitle(QStringLiteral("Hooked"));
        window->setBorderIcons(biSystemMenu | biMinimize);
        window->setMenuBar(new QMenuBar);
        window->setClientSize(QSize(434, 307));
        activate(true);
    }
    void TearDown() override {
        window.reset();
        SystemSettings::instance().resetToDefaults();
    }

    void activate(bool active) {
        QEvent event(active ? QEvent::WindowActivate : QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(window.get(), &event);
    }
    int count(int type, const QString& hook) const {
        int n = 0;
        for (const Seen& s : log) {
            n += (s.type == type && s.hook == hook) ? 1 : 0;
        }
        return n;
    }
    void showAndWait() {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QCoreApplication::processEvents();
    }

    std::unique_ptr<FramedWindow> window;
    std::vector<Seen> log;
};

const QColor Navy(0x00, 0x00, 0x80);
const QColor Grey(0x80, 0x80, 0x80);

} // namespace

TEST_F(FrameHooksTest, AHookCanTakePartOfThePaintRegion) {
    RecordingHook hook(QStringLiteral("caption"), log);
    const QRect caption(4, 4, 378, 18);
    hook.takePart(caption, Qt::magenta);
    window->installEventFilter(&hook);

    QImage image = window->grab().toImage();
    EXPECT_EQ(image.pixelColor(100, 10), QColor(Qt::magenta));
    EXPECT_EQ(image.pixelColor(381, 21), QColor(Qt::magenta));
    // Everything else is still the standard frame.
    EXPECT_EQ(image.pixelColor(384, 10), Navy);
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(100, 22), QColor(0xC0, 0xC0, 0xC0));
    // The hook was offered the whole frame region and nothing of the client or menu bar.
    ASSERT_EQ(count(FramePaintEventType, QStringLiteral("caption")), 1);
    EXPECT_TRUE(log.front().region.contains(QPoint(100, 10)));
    EXPECT_FALSE(log.front().region.intersects(QRect(4, 23, 434, 326)));

    window->removeEventFilter(&hook);
    image = window->grab().toImage();
    EXPECT_EQ(image.pixelColor(100, 10), Navy);
}

TEST_F(FrameHooksTest, HooksSeeMessagesNewestFirstAndRemovalRestoresTheChain) {
    RecordingHook older(QStringLiteral("older"), log);
    RecordingHook newer(QStringLiteral("newer"), log);
    window->installEventFilter(&older);
    window->installEventFilter(&newer);
    newer.takePart(QRect(4, 4, 100, 18), Qt::green);

    window->grab();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].hook, QStringLiteral("newer"));
    EXPECT_EQ(log[1].hook, QStringLiteral("older"));
    // The older hook sees the region as the newer one left it.
    EXPECT_TRUE(log[0].region.contains(QPoint(50, 10)));
    EXPECT_FALSE(log[1].region.contains(QPoint(50, 10)));
    EXPECT_TRUE(log[1].region.contains(QPoint(150, 10)));

    log.clear();
    activate(false);
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0].hook, QStringLiteral("newer"));
    EXPECT_EQ(log[0].type, static_cast<int>(FrameActivateEventType));
    EXPECT_EQ(log[1].hook, QStringLiteral("older"));

    log.clear();
    window->removeEventFilter(&newer);
    const QImage image = window->grab().toImage();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].hook, QStringLiteral("older"));
    EXPECT_TRUE(log[0].region.contains(QPoint(50, 10)));
    EXPECT_EQ(image.pixelColor(50, 10), Grey); // inactive now, and no green left
}

TEST_F(FrameHooksTest, ActivationPassesThroughAndRepaintsAtOnce) {
    showAndWait();
    RecordingHook hook(QStringLiteral("hook"), log);
    window->installEventFilter(&hook);

    activate(false);
    // The activation came first, then the frame was painted before sendEvent returned.
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0].type, static_cast<int>(FrameActivateEventType));
    EXPECT_FALSE(log[0].active);
    EXPECT_EQ(log[1].type, static_cast<int>(FramePaintEventType));
    EXPECT_FALSE(window->isFrameActive());
    EXPECT_EQ(window->grab().toImage().pixelColor(200, 10), Grey);

    log.clear();
    activate(true);
    ASSERT_FALSE(log.empty());
    EXPECT_TRUE(log[0].active);
    EXPECT_EQ(count(FramePaintEventType, QStringLiteral("hook")), 1);
    EXPECT_TRUE(window->isFrameActive());
    EXPECT_EQ(window->grab().toImage().pixelColor(200, 10), Navy);
}

TEST_F(FrameHooksTest, BeforeAnyActivationMessageTheWindowSystemDecides) {
    FramedWindow fresh;
    EXPECT_EQ(fresh.isFrameActive(), fresh.isActiveWindow());
    EXPECT_FALSE(fresh.isFrameActive()); // never shown, so not active

    // After one message only the messages count.
    QEvent activateEvent(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&fresh, &activateEvent);
    EXPECT_TRUE(fresh.isFrameActive());
    EXPECT_FALSE(fresh.isActiveWindow());
}

TEST_F(FrameHooksTest, SettingsChangesReachTheHooksAndRepaint) {
    showAndWait();
    RecordingHook hook(QStringLiteral("hook"), log);
    window->installEventFilter(&hook);

    SystemSettings::instance().setSysColor(COLOR_ACTIVECAPTION, QColor(0x10, 0x84, 0xD0));
    SystemSettings::instance().notifyChanged(FrameSettingsEvent::Cause::Colors);
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0].type, static_cast<int>(FrameSettingsEventType));
    EXPECT_EQ(log[0].cause, static_cast<int>(FrameSettingsEvent::Cause::Colors));
    EXPECT_EQ(log[1].type, static_cast<int>(FramePaintEventType)); // repainted at once
    EXPECT_EQ(window->grab().toImage().pixelColor(200, 10), QColor(0x10, 0x84, 0xD0));

    log.clear();
    SystemSettings::instance().notifyChanged();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log[0].cause, static_cast<int>(FrameSettingsEvent::Cause::Settings));

    // Qt's own palette and font changes count as desktop changes too.
    log.clear();
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Qt::darkGreen);
    window->setPalette(palette);
    ASSERT_EQ(count(FrameSettingsEventType, QStringLiteral("hook")), 1);
    EXPECT_EQ(log[0].cause, static_cast<int>(FrameSettingsEvent::Cause::Colors));

    log.clear();
    window->setFont(QFont(QStringLiteral("Liberation Sans"), 20));
    ASSERT_EQ(count(FrameSettingsEventType, QStringLiteral("hook")), 1);
    EXPECT_EQ(log[0].cause, static_cast<int>(FrameSettingsEvent::Cause::Settings));
}

TEST_F(FrameHooksTest, RedrawFrameSendsThePaintThroughTheChainAtOnce) {
    showAndWait();
    RecordingHook hook(QStringLiteral("hook"), log);
    window->installEventFilter(&hook);
    window->redrawFrame();
    ASSERT_EQ(count(FramePaintEventType, QStringLiteral("hook")), 1);
    EXPECT_EQ(log[0].region, window->frameRegion());

    // A window destroyed while its hook lives leaves the hook untouched.
    window.reset();
    SystemSettings::instance().notifyChanged();
    EXPECT_EQ(count(FrameSettingsEventType, QStringLiteral("hook")), 0);
}
