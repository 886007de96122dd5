#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <map>

class QObject;
struct QMetaObject;

namespace platform {

// Makes a component of one class, owned by the given window (as its Qt parent). May throw,
// e.g. when the owner is not the kind of window the component works on.
using ComponentFactory = std::function<QObject*(QWidget& owner)>;

// The component classes a layout may name: class name -> factory. Filled once at start-up by
// each component library's registration function.
class ComponentRegistry {
public:
    static ComponentRegistry& instance();

    // Registering a class name again replaces its entry.
    void registerClass(const QString& className, const QMetaObject& meta, ComponentFactory factory);
    bool contains(const QString& className) const;

    // Throws ELayoutError when the class is not registered.
    QObject* create(const QString& className, QWidget& owner) const;

    // The registered class name of a component, for writing it back; empty when unknown.
    QString classNameOf(const QObject& component) const;

private:
    ComponentRegistry() = default;

    struct Entry {
        const QMetaObject* meta = nullptr;
        ComponentFactory factory;
    };
    std::map<QString, Entry> entries_;
};

// Registers T under className with a factory that calls `new T(&owner)`.
template <typename T> void RegisterComponentClass(const QString& className) {
    ComponentRegistry::instance().registerClass(
        className, T::staticMetaObject, [](QWidget& owner) -> QObject* { return new T(&owner); });
}

} // namespace platform
