#pragma once

#include <QString>

#include <exception>
#include <functional>
#include <utility>

namespace ui {

// Reports an error that left an event handler: cancels any mouse capture, drops EAbort
// silently, hands the error to the error hook if one is set, and otherwise shows its message
// (see ErrorReportText) in a message box captioned with the application title, with the
// error icon and one OK button.
void ReportError(const std::exception& error);

// The report's text: the message, with a "." added when it is not empty and its last
// character sorts after "." (so nothing is added after ".", "!" or ")").
QString ErrorReportText(const QString& message);

// An application-wide error hook receives reported errors instead of the message box; an
// empty hook (the default) restores the box. The game sets none; tests and tools may.
using ErrorHook = std::function<void(const std::exception&)>;
void SetErrorHook(ErrorHook hook);

// What the report says for an exception that carries no message of ours.
QString UnknownErrorText();

namespace detail {
// Reports the exception being handled. Call only from inside a catch block. Never throws:
// when even the report fails, a line goes to the debug output instead.
void ReportCurrentException() noexcept;
} // namespace detail

// Runs an event handler so that no exception leaves it into Qt's frames: whatever it throws
// is reported by ReportError, and the program goes on. std::exceptions other than our
// engine::Exception (a std::bad_alloc, a std::out_of_range from a fault of ours) are
// reported the same way with their own text, and anything else under UnknownErrorText().
// Letting them unwind through Qt would end the program.
template <class Handler> void RunGuarded(Handler&& handler) noexcept
{
    try {
        std::invoke(std::forward<Handler>(handler));
    } catch (...) {
        detail::ReportCurrentException();
    }
}

} // namespace ui
