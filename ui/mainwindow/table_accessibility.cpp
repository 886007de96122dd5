#include "ui/mainwindow/table_accessibility.h"

#include "ui/mainwindow/picture_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QLabel>
#include <QRegularExpression>
#include <QTimer>
#include <QWindow>

namespace ui {

namespace {

const char* const kRoleProperty = "vandolinAccessibleRole";
const char* const kLitProperty = "vandolinLit";

class AccessiblePictureBox final : public QAccessibleWidget {
public:
    explicit AccessiblePictureBox(PictureBox* box) : QAccessibleWidget(box) {}

    QAccessible::Role role() const override {
        return box()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (box()->isCheckable()) {
            state.checkable = true;
            state.checked = box()->isChecked();
        }
        return state;
    }
    QStringList actionNames() const override {
        return {box()->isCheckable() ? toggleAction() : pressAction()};
    }
    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction())
            QMetaObject::invokeMethod(box(), "clicked");
    }

private:
    PictureBox* box() const { return static_cast<PictureBox*>(widget()); }
};

// A label with a role of our choosing; its name is its text unless one is set.
class AccessibleRoleLabel final : public QAccessibleWidget {
public:
    AccessibleRoleLabel(QLabel* label, QAccessible::Role role) : QAccessibleWidget(label, role) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.selected = IsLit(*widget());
        state.readOnly = true;
        return state;
    }
};

// The table is the application's frame, named as the task bar names it.
class AccessibleTable final : public QAccessibleWidget {
public:
    explicit AccessibleTable(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (const QWindow* handle = widget()->windowHandle();
                handle && !handle->title().isEmpty())
                return handle->title();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* tableFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("ui::PictureBox"))
        return new AccessiblePictureBox(static_cast<PictureBox*>(widget));
    if (className == QLatin1String("ui::Announcer"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (className == QLatin1String("ui::TMainForm"))
        return new AccessibleTable(widget);
    if (className == QLatin1String("QLabel")) {
        const QVariant role = widget->property(kRoleProperty);
        if (role.isValid())
            return new AccessibleRoleLabel(static_cast<QLabel*>(widget),
                                           static_cast<QAccessible::Role>(role.toInt()));
    }
    return nullptr;
}

} // namespace

QString SpokenCardText(const QString& line) {
    static const QRegularExpression card(
        QStringLiteral("(?<![\\w])(10|[2-9AJQK])([\\x{2663}\\x{2666}\\x{2665}\\x{2660}])( "
                       "(?=\\S*[\\x{2663}\\x{2666}\\x{2665}\\x{2660}]))?"));
    static const QHash<QString, QString> ranks{{QStringLiteral("A"), QStringLiteral("ace")},
                                               {QStringLiteral("2"), QStringLiteral("two")},
                                               {QStringLiteral("3"), QStringLiteral("three")},
                                               {QStringLiteral("4"), QStringLiteral("four")},
                                               {QStringLiteral("5"), QStringLiteral("five")},
                                               {QStringLiteral("6"), QStringLiteral("six")},
                                               {QStringLiteral("7"), QStringLiteral("seven")},
                                               {QStringLiteral("8"), QStringLiteral("eight")},
                                               {QStringLiteral("9"), QStringLiteral("nine")},
                                               {QStringLiteral("10"), QStringLiteral("ten")},
                                               {QStringLiteral("J"), QStringLiteral("jack")},
                                               {QStringLiteral("Q"), QStringLiteral("queen")},
                                               {QStringLiteral("K"), QStringLiteral("king")}};
    static const QHash<QChar, QString> suits{{QChar(0x2663), QStringLiteral("clubs")},
                                             {QChar(0x2666), QStringLiteral("diamonds")},
                                             {QChar(0x2665), QStringLiteral("hearts")},
                                             {QChar(0x2660), QStringLiteral("spades")}};
    QString spoken;
    qsizetype from = 0;
    for (auto it = card.globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        spoken += line.mid(from, match.capturedStart() - from);
        spoken += ranks.value(match.captured(1)) + QStringLiteral(" of ") +
                  suits.value(match.captured(2).front());
        // Cards in a row are a list.
        if (!match.captured(3).isEmpty())
            spoken += QStringLiteral(", ");
        from = match.capturedEnd();
    }
    return spoken + line.mid(from);
}

void InstallTableAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(tableFactory);
        return true;
    }();
    (void)installed;
}

void SetAccessibleRole(QWidget& widget, int role) {
    widget.setProperty(kRoleProperty, role);
    // An interface made while the layout was built knows nothing of the role yet.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget);
    if (made && !dynamic_cast<AccessibleRoleLabel*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void SetLit(QWidget& line, bool lit) {
    if (IsLit(line) == lit)
        return;
    line.setProperty(kLitProperty, lit);
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(&line, changed);
    QAccessible::updateAccessibility(&event);
}

bool IsLit(const QWidget& line) {
    return line.property(kLitProperty).toBool();
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::say(const QString& text) {
    if (text.isEmpty())
        return;
    first_ << text;
    schedule();
}

void Announcer::sayAfter(const QString& text) {
    if (text.isEmpty())
        return;
    after_ << text;
    schedule();
}

void Announcer::schedule() {
    if (scheduled_)
        return;
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] { flush(); });
}

void Announcer::flush() {
    scheduled_ = false;
    const QStringList parts = first_ + after_;
    first_.clear();
    after_.clear();
    if (parts.isEmpty())
        return;
    // A screen reader presents a notification when it becomes showing; hidden first, the
    // same object can be shown again for the next step.
    hide();
    setAccessibleName(parts.join(u' '));
    show();
}

} // namespace ui
