#include "platform/stream/component_registry.h"

#include "platform/stream/layout_error.h"

#include <QObject>
#include <QWidget>

namespace platform {

ComponentRegistry& ComponentRegistry::instance() {
    static ComponentRegistry registry;
    return registry;
}

void ComponentRegistry::registerClass(const QString& className, const QMetaObject& meta,
                                      ComponentFactory factory) {
    entries_[className] = Entry{&meta, std::move(factory)};
}

bool ComponentRegistry::contains(const QString& className) const {
    return entries_.find(className) != entries_.end();
}

QObject* ComponentRegistry::create(const QString& className, QWidget& owner) const {
    const auto it = entries_.find(className);
    if (it == entries_.end() || !it->second.factory) {
        throw ELayoutError(
            QStringLiteral("component class %1 is not registered").arg(className).toStdString());
    }
    return it->second.factory(owner);
}

QString ComponentRegistry::classNameOf(const QObject& component) const {
    for (const auto& [name, entry] : entries_) {
        if (entry.meta == component.metaObject()) {
            return name;
        }
    }
    return {};
}

} // namespace platform
