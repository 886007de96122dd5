#include "ui/mainwindow/table_accessibility.h"

#include "ui/mainwindow/picture_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QWindow>

namespace ui {

namespace {

const char* const kRoleProperty = "vandolinAccessibleRole";
const char* const kLitProperty = "vandolinLit";
const char* const kItemNameProperty = "vandolinAccessibleName";

// A menu item that a screen reader names otherwise than its text says: the Deck menu shows
// "1" ... "6" beside pictures of card backs.
class AccessibleNamedItem final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit AccessibleNamedItem(QAction* action) : action_(action) {}

    bool isValid() const override { return action_ && menu(); }
    QObject* object() const override { return action_; }
    QWindow* window() const override { return menu() ? menu()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(menu());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!action_)
            return {};
        switch (t) {
        case QAccessible::Name:
            return action_->property(kItemNameProperty).toString();
        case QAccessible::Accelerator:
            return action_->shortcut().toString(QKeySequence::NativeText);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        QMenu* owner = menu();
        if (!owner || !action_)
            return {};
        const QRect area = owner->actionGeometry(action_);
        return {owner->mapToGlobal(area.topLeft()), area.size()};
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        QMenu* owner = menu();
        if (!action_ || !owner)
            return state;
        state.invisible = !owner->isVisible();
        state.focusable = true;
        state.focused = owner->isVisible() && owner->activeAction() == action_;
        state.disabled = !action_->isEnabled();
        state.checkable = action_->isCheckable();
        state.checked = action_->isChecked();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (action_ && name == pressAction())
            action_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QMenu* menu() const {
        if (!action_)
            return nullptr;
        for (QObject* user : action_->associatedObjects()) {
            if (auto* owner = qobject_cast<QMenu*>(user))
                return owner;
        }
        return nullptr;
    }

    QPointer<QAction> action_;
};

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
    if (className == QLatin1String("QAction") && object->property(kItemNameProperty).isValid())
        return new AccessibleNamedItem(static_cast<QAction*>(object));
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

void SetAccessibleName(QAction& item, const QString& name) {
    item.setProperty(kItemNameProperty, name);
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

} // namespace ui
