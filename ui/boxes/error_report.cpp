#include "error_report.h"

#include "app_message_box.h"
#include "application_window.h"

#include "engine/errors.h"

#include <QWidget>
#include <QtDebug>

namespace ui {

namespace {

ErrorHook& errorHook()
{
    static ErrorHook hook;
    return hook;
}

constexpr char16_t FullStop = u'.';

} // namespace

QString ErrorReportText(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > FullStop)
        return message + QChar(FullStop);
    return message;
}

void SetErrorHook(ErrorHook hook)
{
    errorHook() = std::move(hook);
}

QString UnknownErrorText()
{
    return QStringLiteral("An unexpected error occurred");
}

void ReportError(const std::exception& error)
{
    // A box cannot take the mouse while some window holds it.
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (dynamic_cast<const engine::EAbort*>(&error))
        return;
    if (const ErrorHook& hook = errorHook()) {
        hook(error);
        return;
    }
    AppMessageBox(ErrorReportText(QString::fromUtf8(error.what())), ApplicationTitle(),
                  MB_OK | MB_ICONERROR);
}

namespace detail {

void ReportCurrentException() noexcept
{
    try {
        try {
            throw;
        } catch (const std::exception& error) {
            ReportError(error);
        } catch (...) {
            ReportError(engine::Exception(UnknownErrorText().toStdString()));
        }
    } catch (const std::exception& failure) {
        qWarning("the error report failed: %s", failure.what());
    } catch (...) {
        qWarning("the error report failed");
    }
}

} // namespace detail

} // namespace ui
