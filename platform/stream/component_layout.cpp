#include "platform/stream/component_layout.h"

#include "platform/stream/component_registry.h"
#include "platform/stream/layout_error.h"
#include "platform/stream/layout_parser.h"
#include "platform/stream/property_codec.h"

#include <QFile>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QSet>
#include <QWidget>

#include <memory>
#include <vector>

namespace platform {
namespace {

// Where a non-visual component sat in the layout designer. It has no effect when the program
// runs, but a layout keeps it, so it is kept on the component as a dynamic property.
const char* const DesignPositionNames[] = {"Left", "Top"};

bool isDesignPosition(const QObject& component, const QString& name) {
    if (component.isWidgetType()) {
        return false;
    }
    for (const char* position : DesignPositionNames) {
        if (name == QLatin1String(position)) {
            return true;
        }
    }
    return false;
}

QMetaProperty findProperty(const QObject& object, const QString& name) {
    const QMetaObject* meta = object.metaObject();
    const int index = meta->indexOfProperty(name.toLatin1().constData());
    if (index < 0 || name == QLatin1String("objectName")) {
        throw ELayoutError(QStringLiteral("%1 has no property %2")
                               .arg(QLatin1String(meta->className()), name)
                               .toStdString());
    }
    return meta->property(index);
}

void applyAssignment(QObject& component, const LayoutAssignment& assignment) {
    QObject* target = &component;
    for (qsizetype i = 0; i + 1 < assignment.path.size(); ++i) {
        const QMetaProperty property = findProperty(*target, assignment.path[i]);
        if (!IsObjectProperty(property)) {
            throw ELayoutError(QStringLiteral("property %1 has no sub-properties")
                                   .arg(assignment.path[i])
                                   .toStdString());
        }
        QObject* next = property.read(target).value<QObject*>();
        if (!next) {
            throw ELayoutError(
                QStringLiteral("property %1 is empty").arg(assignment.path[i]).toStdString());
        }
        target = next;
    }
    const QString& name = assignment.path.last();
    if (assignment.path.size() == 1 && isDesignPosition(component, name) &&
        component.metaObject()->indexOfProperty(name.toLatin1().constData()) < 0) {
        if (assignment.value.kind != LayoutValue::Kind::Integer ||
            assignment.value.integer < -32768 || assignment.value.integer > 32767) {
            throw ELayoutError(
                QStringLiteral("%1 must be a number from -32768 to 32767").arg(name).toStdString());
        }
        component.setProperty(name.toLatin1().constData(),
                              static_cast<int>(assignment.value.integer));
        return;
    }
    WriteProperty(*target, findProperty(*target, name), assignment.value);
}

[[noreturn]] void rethrowAt(const QString& source, int line, const std::exception& error) {
    throw ELayoutError(QStringLiteral("%1, line %2: %3")
                           .arg(source)
                           .arg(line)
                           .arg(QString::fromUtf8(error.what()))
                           .toStdString());
}

void writeProperties(const QObject& object, const QString& prefix, QString& out, int depth) {
    // Sub-objects of sub-objects are possible, cycles are not: stop where no layout could go.
    constexpr int MaxDepth = 8;
    if (depth > MaxDepth) {
        throw ELayoutError("component properties nested too deeply");
    }
    const QMetaObject* meta = object.metaObject();
    QSet<QByteArray> seen;
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QByteArray name = meta->property(i).name();
        if (name == "objectName" || seen.contains(name)) {
            continue;
        }
        seen.insert(name);
        // A class that declares a property again overrides it; it keeps its first place.
        const QMetaProperty property = meta->property(meta->indexOfProperty(name.constData()));
        if (!IsPropertyStored(object, property)) {
            continue;
        }
        const QString path = prefix + QString::fromLatin1(name);
        if (IsObjectProperty(property)) {
            if (const QObject* sub = property.read(&object).value<QObject*>()) {
                writeProperties(*sub, path + QLatin1Char('.'), out, depth + 1);
            }
            continue;
        }
        // What could not be read back is not written.
        if (property.isWritable()) {
            out +=
                QStringLiteral("  %1 = %2\n").arg(path, EncodeProperty(object, property).toText());
        }
    }
}

} // namespace

void LoadComponentLayout(QWidget& owner, const QString& resourcePath) {
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        throw ELayoutError(QStringLiteral("component layout %1 cannot be read: %2")
                               .arg(resourcePath, file.errorString())
                               .toStdString());
    }
    LoadComponentLayoutText(owner, QString::fromUtf8(file.readAll()), resourcePath);
}

void LoadComponentLayoutText(QWidget& owner, const QString& text, const QString& sourceName) {
    const std::vector<LayoutObject> objects = ParseComponentLayout(text, sourceName);

    std::vector<QObject*> created;
    try {
        for (const LayoutObject& object : objects) {
            if (owner.findChild<QObject*>(object.name, Qt::FindDirectChildrenOnly)) {
                throw ELayoutError(
                    QStringLiteral("%1, line %2: the window already has a component %3")
                        .arg(sourceName)
                        .arg(object.line)
                        .arg(object.name)
                        .toStdString());
            }
            QObject* component = nullptr;
            try {
                component = ComponentRegistry::instance().create(object.className, owner);
                if (!component) {
                    throw ELayoutError(
                        QStringLiteral("no %1 was made").arg(object.className).toStdString());
                }
            } catch (const std::exception& error) {
                rethrowAt(sourceName, object.line, error);
            }
            created.push_back(component);
            component->setObjectName(object.name);
            for (const LayoutAssignment& assignment : object.assignments) {
                try {
                    applyAssignment(*component, assignment);
                } catch (const std::exception& error) {
                    rethrowAt(sourceName, assignment.line, error);
                }
            }
        }
    } catch (...) {
        // Components hook their window newest first, so they are let go in reverse.
        for (auto it = created.rbegin(); it != created.rend(); ++it) {
            delete *it;
        }
        throw;
    }
}

QString WriteComponentLayout(const QObject& component) {
    const QString className = ComponentRegistry::instance().classNameOf(component);
    if (className.isEmpty()) {
        throw ELayoutError(QStringLiteral("%1 is not a registered component class")
                               .arg(QLatin1String(component.metaObject()->className()))
                               .toStdString());
    }
    const QString name = component.objectName();
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifier.match(name).hasMatch()) {
        throw ELayoutError(QStringLiteral("a component needs a name to be written, not '%1'")
                               .arg(name)
                               .toStdString());
    }
    QString out = QStringLiteral("object %1: %2\n").arg(name, className);
    writeProperties(component, QString(), out, 0);
    if (!component.isWidgetType()) {
        for (const char* position : DesignPositionNames) {
            const QVariant value = component.property(position);
            if (value.isValid() && component.metaObject()->indexOfProperty(position) < 0) {
                out +=
                    QStringLiteral("  %1 = %2\n").arg(QLatin1String(position)).arg(value.toInt());
            }
        }
    }
    out += QStringLiteral("end\n");
    return out;
}

} // namespace platform
