#pragma once

// The table window's frame as the frame tests use it: sizeable, system menu and minimise, a
// menu bar, client 434 x 307, with the system settings at their defaults around each test.

#include "platform/frame/framed_window.h"
#include "platform/frame/system_settings.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <memory>

class TableFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SystemSettings::instance().resetToDefaults();
        window = std::make_unique<platform::FramedWindow>();
        window->setWindowTitle(QStringLiteral("Vandolin"));
        window->setBorderIcons(platform::biSystemMenu | platform::biMinimize);
        auto* bar = new QMenuBar;
        bar->addMenu(QStringLiteral("&Game"))->addAction(QStringLiteral("&New"));
        window->setMenuBar(bar);
        window->setClientSize(QSize(434, 307));
    }
    void TearDown() override {
        window.reset();
        platform::SystemSettings::instance().resetToDefaults();
    }

    std::unique_ptr<platform::FramedWindow> window;
};
