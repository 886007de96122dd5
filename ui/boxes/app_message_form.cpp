#include "app_message_form.h"

#include "dialog_units.h"
#include "line_breaks.h"
#include "message_layout.h"
#include "string_table.h"
#include "wrapped_text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace ui {

using namespace message_layout;

namespace {

QStyle::StandardPixmap pictureOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QStyle::SP_MessageBoxCritical;
    case MessageIcon::Question:
        return QStyle::SP_MessageBoxQuestion;
    case MessageIcon::Warning:
        return QStyle::SP_MessageBoxWarning;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

// A screen reader announces an alert with its title and the text inside it, as it does the
// toolkit's own message boxes; a plain dialog would be read as a window to explore.
QAccessibleInterface* alertFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("ui::TAppMessageForm") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
    return nullptr;
}

} // namespace

TAppMessageForm::TAppMessageForm(const QString& text, const QString& caption, MessageIcon icon,
                                 QWidget* parent)
    : ClassicDialog(parent), text_(WithLineFeeds(text)), icon_(icon) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(alertFactory);
        return true;
    }();
    (void)factoryInstalled;
    setFont(QApplication::font("QMessageBoxLabel"));
    const DialogUnits du(font());
    setWindowTitle(caption);

    auto* message = new WrappedText(text_, screenWidth() / 2, clientArea());
    message->setObjectName(QStringLiteral("Message"));
    const QSize textSize = message->sizeHint();

    const bool hasIcon = icon != MessageIcon::None;
    const int textLeft = du.h(MarginH) + (hasIcon ? IconSize + du.h(IconTextGapH) : 0);
    const int blockHeight = std::max(textSize.height(), hasIcon ? IconSize : 0);
    const int buttonWidth = du.h(ButtonWidthH);
    const int buttonHeight = du.v(ButtonHeightV);
    const int clientWidth =
        std::max(textLeft + textSize.width() + du.h(MarginH), buttonWidth + 2 * du.h(MarginH));
    const int clientHeight = blockHeight + buttonHeight + du.v(TextButtonGapV) + 2 * du.v(MarginV);
    setClientSize(clientWidth, clientHeight);

    if (hasIcon) {
        auto* image = new QLabel(clientArea());
        image->setObjectName(QStringLiteral("Image"));
        image->setPixmap(style()->standardIcon(pictureOf(icon)).pixmap(IconSize, IconSize));
        image->setGeometry(du.h(MarginH), du.v(MarginV), IconSize, IconSize);
    }
    message->setGeometry(textLeft, du.v(MarginV), textSize.width(), textSize.height());

    QPushButton* ok = addButton(LoadStr(sOkButton), mrOk, QStringLiteral("OK"));
    ok->setGeometry((clientWidth - buttonWidth) / 2,
                    blockHeight + du.v(MarginV) + du.v(TextButtonGapV), buttonWidth, buttonHeight);
    ok->setDefault(true);
    setCancelButton(ok);
    ok->setFocus(Qt::OtherFocusReason);
    setTaskBarTitle(taskBarTitle());
}

QString TAppMessageForm::taskBarTitle() const {
    const QString firstLine = text_.section(u'\n', 0, 0).simplified();
    return firstLine.isEmpty() ? windowTitle()
                               : windowTitle() + QStringLiteral(" \u2013 ") + firstLine;
}

} // namespace ui
