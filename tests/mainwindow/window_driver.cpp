#include "window_driver.h"

#include "ui/boxes/app_message_form.h"
#include "ui/pictures/picture_lookup.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace testing_support {

std::unique_ptr<ui::TMainForm> OpenTable() {
    auto table = std::make_unique<ui::TMainForm>([] { return kFixedClock; });
    Activate(*table);
    return table;
}

void Activate(ui::TMainForm& table) {
    table.show();
    table.activateWindow();
    // Every test starts from an active table; one that never became active would fail later
    // for a reason that is hard to see.
    if (!QTest::qWaitForWindowActive(&table))
        ADD_FAILURE() << "the table did not become the active window";
}

QImage Shot(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Picture(int number) {
    return ui::PictureByNumber(number).convertToFormat(QImage::Format_RGB32);
}

bool ShowsPicture(QWidget* widget, int number) {
    const QImage expected = Picture(number);
    return !expected.isNull() && Shot(widget) == expected;
}

int CountPixels(QWidget* widget, const QColor& color) {
    const QImage image = Shot(widget);
    const QRgb wanted = color.rgb();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == wanted;
    return count;
}

int LitLine(ui::TMainForm& table) {
    const std::array<QLabel*, 9> lines{
        table.widgets().Score0, table.widgets().Score1, table.widgets().Score2,
        table.widgets().Score3, table.widgets().Score4, table.widgets().Score5,
        table.widgets().Score6, table.widgets().Score7, table.widgets().Score8};
    int lit = -1;
    for (int i = 0; i < 9; ++i) {
        if (CountPixels(lines[i], QColor(255, 255, 0)) > 0)
            lit = lit == -1 ? i : -2;
    }
    return lit;
}

void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void DoubleClick(QWidget* widget) {
    const QPoint at = widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

void PressKey(ui::TMainForm& table, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(table.windowHandle(), key, modifiers);
}

namespace {

QString accessibleText(QWidget* widget, QAccessible::Text role) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(role) : QStringLiteral("<no accessible interface>");
}

} // namespace

QString AccessibleName(QWidget* widget) {
    return accessibleText(widget, QAccessible::Name);
}

QString AccessibleDescription(QWidget* widget) {
    return accessibleText(widget, QAccessible::Description);
}

QAccessible::Role AccessibleRole(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->role() : QAccessible::NoRole;
}

QAccessible::State AccessibleState(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->state() : QAccessible::State();
}

namespace {

QString visibleText(QWidget* box) {
    if (auto* message = qobject_cast<ui::TAppMessageForm*>(box))
        return message->text();
    QStringList texts;
    for (QLabel* label : box->findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            texts << label->text();
    }
    return texts.join(u'|');
}

} // namespace

ModalAnswerer::ModalAnswerer(Answer answer)
    : answer_(answer ? std::move(answer) : Answer(PressEnter)),
      alive_(std::make_shared<bool>(true)) {
    poll();
}

ModalAnswerer::~ModalAnswerer() {
    *alive_ = false;
}

void ModalAnswerer::poll() {
    std::weak_ptr<bool> alive = alive_;
    QTimer::singleShot(10, qApp, [this, alive] {
        if (alive.expired() || !*alive.lock())
            return;
        QWidget* box = QApplication::activeModalWidget();
        if (box && box == last_ && ++pollsOnLast_ > 200)
            box->close();
        if (box && box != last_ && box->isVisible()) {
            last_ = box;
            pollsOnLast_ = 0;
            seen_.append({QString::fromLatin1(box->metaObject()->className()), box->windowTitle(),
                          visibleText(box)});
            const QPointer<QWidget> answered = box;
            answer_(box);
            // A window shown again later (the guide is one object shown many times) is a new
            // box then; only one still open after its answer must not be answered twice.
            if (!answered || !answered->isVisible())
                last_ = nullptr;
        }
        poll();
    });
}

void PressEnter(QWidget* box) {
    QWidget* target = box->focusWidget() ? box->focusWidget() : box;
    QTest::keyClick(target, Qt::Key_Return);
}

ModalAnswerer::Answer TypeAndConfirm(const QString& text) {
    return [text](QWidget* box) {
        if (auto* edit = box->findChild<QLineEdit*>()) {
            edit->selectAll();
            QTest::keyClicks(edit, text);
        }
        PressEnter(box);
    };
}

} // namespace testing_support
