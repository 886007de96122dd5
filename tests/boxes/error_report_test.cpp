#include "modal_driver.h"
#include "tests/support/application_title.h"

#include "ui/boxes/app_message_form.h"
#include "ui/boxes/error_report.h"

#include "engine/errors.h"
#include "engine/parse_integer.h"

#include <QApplication>
#include <QPushButton>

#include <gtest/gtest.h>

#include <stdexcept>

using ui::ErrorReportText;
using ui::ReportError;
using ui::RunGuarded;

namespace {

// What a failed bet entry raises.
engine::EConvertError conversionErrorFor(const std::string& entry) {
    try {
        engine::ParseInteger(entry);
    } catch (const engine::EConvertError& e) {
        return e;
    }
    throw std::logic_error("'" + entry + "' converted");
}

struct ShownBox {
    QString title;
    QString text;
    ui::MessageIcon icon = ui::MessageIcon::None;
    int buttons = 0;
};

// Runs call and returns what the one box it opened showed.
ShownBox boxShownBy(const std::function<void()>& call) {
    ShownBox shown;
    WhenBoxOpens([&shown](QWidget* box) {
        auto* messageBox = qobject_cast<ui::TAppMessageForm*>(box);
        ASSERT_NE(messageBox, nullptr);
        shown = {messageBox->windowTitle(), messageBox->text(), messageBox->icon(),
                 static_cast<int>(box->findChildren<QPushButton*>().size())};
        box->close();
    });
    call();
    return shown;
}

// Restores the default report when a test that sets a hook ends.
struct HookReset {
    ~HookReset() { ui::SetErrorHook(nullptr); }
};

} // namespace

TEST(ErrorReport, AddsAFullStopOnlyAfterCharactersAboveIt) {
    EXPECT_EQ(ErrorReportText("abc"), "abc.");
    EXPECT_EQ(ErrorReportText(""), "");
    EXPECT_EQ(ErrorReportText("done."), "done.");
    EXPECT_EQ(ErrorReportText("wow!"), "wow!");
    EXPECT_EQ(ErrorReportText("(see above)"), "(see above)");
    EXPECT_EQ(ErrorReportText("minus -"), "minus -");  // code 45
    EXPECT_EQ(ErrorReportText("slash /"), "slash /."); // code 47
    EXPECT_EQ(ErrorReportText("quote'"), "quote'");    // code 39
    EXPECT_EQ(ErrorReportText(QString::fromUtf8("caf\u00e9")), QString::fromUtf8("caf\u00e9."));
}

TEST(ErrorReport, UnreadableBetShowsTheEntryWithTheTitleAndStopIcon) {
    const struct {
        std::string entry;
        QString text;
    } cases[] = {
        {"abc", "'abc' is not a valid integer value."},
        {"", "'' is not a valid integer value."},
        {"<b>7</b>", "'<b>7</b>' is not a valid integer value."},
    };
    for (const auto& c : cases) {
        const ShownBox shown = boxShownBy([&] { ReportError(conversionErrorFor(c.entry)); });
        EXPECT_EQ(shown.text, c.text);
        EXPECT_EQ(shown.title, test_support::ApplicationTitle());
        EXPECT_EQ(shown.icon, ui::MessageIcon::Error);
        EXPECT_EQ(shown.buttons, 1);
    }
    EXPECT_EQ(boxShownBy([] { ReportError(engine::Exception("Stop!")); }).text, "Stop!");
    EXPECT_EQ(boxShownBy([] { ReportError(engine::Exception("(none)")); }).text, "(none)");
}

TEST(ErrorReport, AbortIsSilent) {
    EXPECT_EQ(BoxesShownDuring([] { ReportError(engine::EAbort("quietly")); }), 0);
    EXPECT_EQ(BoxesShownDuring([] { RunGuarded([] { throw engine::EAbort("quietly"); }); }), 0);
}

TEST(ErrorReport, CancelsMouseCapture) {
    QWidget window;
    window.resize(100, 100);
    window.show();
    window.grabMouse();
    ASSERT_EQ(QWidget::mouseGrabber(), &window);
    RunGuarded([] { throw engine::EAbort("x"); });
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST(RunGuarded, ReportsWhateverLeavesTheHandlerAndGoesOn) {
    bool ran = false;
    EXPECT_EQ(BoxesShownDuring([&] { RunGuarded([&] { ran = true; }); }), 0);
    EXPECT_TRUE(ran);

    EXPECT_EQ(boxShownBy([] { RunGuarded([] { engine::ParseInteger("x7"); }); }).text,
              "'x7' is not a valid integer value.");
    EXPECT_EQ(boxShownBy([] { RunGuarded([] { throw std::out_of_range("slot 6"); }); }).text,
              "slot 6.");
    EXPECT_EQ(boxShownBy([] { RunGuarded([] { throw 42; }); }).text, ui::UnknownErrorText() + ".");

    // Handlers that take their state by reference keep what they did before the error.
    int steps = 0;
    boxShownBy([&] {
        RunGuarded([&] {
            ++steps;
            throw engine::Exception("half done");
        });
    });
    EXPECT_EQ(steps, 1);
}

TEST(RunGuarded, HookReceivesErrorsInsteadOfTheBox) {
    const HookReset reset;
    QStringList received;
    ui::SetErrorHook([&](const std::exception& e) { received << QString::fromUtf8(e.what()); });
    EXPECT_EQ(BoxesShownDuring([] {
                  RunGuarded([] { throw engine::EConvertError("one"); });
                  RunGuarded([] { throw engine::EAbort("dropped before the hook"); });
              }),
              0);
    EXPECT_EQ(received, QStringList{"one"});

    // Even a report that fails must not let the error escape into the toolkit.
    int hookCalls = 0;
    ui::SetErrorHook([&](const std::exception&) {
        ++hookCalls;
        throw std::runtime_error("hook broke");
    });
    RunGuarded([] { throw engine::Exception("first"); });
    EXPECT_EQ(hookCalls, 1);

    ui::SetErrorHook(nullptr);
    EXPECT_EQ(boxShownBy([] { RunGuarded([] { throw engine::Exception("back"); }); }).text,
              "back.");
}
