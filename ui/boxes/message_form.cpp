#include "message_form.h"

#include "application_window.h"
#include "dialog_units.h"
#include "line_breaks.h"
#include "message_layout.h"
#include "string_table.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace ui {

using namespace message_layout;

namespace {

// The desktop's message-box font, as the platform theme reports it to Qt.
QFont messageFont() {
    return QApplication::font("QMessageBoxLabel");
}

// The flags under which the message is both measured and drawn, so the two agree.
constexpr int MessageFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;

} // namespace

TMessageForm::TMessageForm(const QString& message, QWidget* parent) : ClassicDialog(parent) {
    setFont(messageFont());
    const DialogUnits du(font());
    setWindowTitle(LoadStr(sInformationCaption));

    const QString text = WithLineFeeds(message);
    const QRect measured =
        QFontMetrics(font()).boundingRect(QRect(0, 0, screenWidth() / 2, 0), MessageFlags, text);
    const int textWidth = measured.width();
    const int textHeight = measured.height();

    const int blockWidth = textWidth + IconSize + du.h(IconTextGapH);
    const int blockHeight = std::max(textHeight, IconSize);
    const int buttonWidth = du.h(ButtonWidthH);
    const int buttonHeight = du.v(ButtonHeightV);
    const int clientWidth = std::max(blockWidth, buttonWidth) + 2 * du.h(MarginH);
    const int clientHeight = blockHeight + buttonHeight + du.v(TextButtonGapV) + 2 * du.v(MarginV);
    setClientSize(clientWidth, clientHeight);

    auto* image = new QLabel(clientArea());
    image->setObjectName(QStringLiteral("Image"));
    image->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(IconSize, IconSize));
    image->setGeometry(du.h(MarginH), du.v(MarginV), IconSize, IconSize);

    auto* label = new QLabel(clientArea());
    label->setObjectName(QStringLiteral("Message"));
    label->setTextFormat(Qt::PlainText);
    // QLabel expands tabs by default; with word wrap on it draws under MessageFlags.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setText(text);
    label->setGeometry(du.h(MarginH) + IconSize + du.h(IconTextGapH), du.v(MarginV), textWidth,
                       textHeight);

    QPushButton* ok = addButton(LoadStr(sOkButton), mrOk, QStringLiteral("OK"));
    ok->setGeometry((clientWidth - buttonWidth) / 2,
                    blockHeight + du.v(MarginV) + du.v(TextButtonGapV), buttonWidth, buttonHeight);
    ok->setDefault(true);
    setCancelButton(ok);
    ok->setFocus(Qt::OtherFocusReason);
}

int ShowInformation(const QString& message) {
    TMessageForm box(message, ApplicationWindow());
    return box.runModal();
}

} // namespace ui
