#pragma once

#include "platform/stream/layout_value.h"

#include <QMetaProperty>
#include <QObject>

namespace platform {

// A class lists its colour-valued integer properties under this class-info key, separated by
// spaces, e.g. Q_CLASSINFO("ColorProperties", "ColorActive ColorInactive"): a colour type is
// a plain 32-bit integer to the meta-object system, yet a layout names colours (clBlack).
inline constexpr char ColorPropertiesInfo[] = "ColorProperties";

// Whether a property is written to a layout. Qt 6 only takes constants for STORED, so a
// class that stores a property only sometimes declares `Q_INVOKABLE bool <Name>Stored() const`
// and we ask it.
bool IsPropertyStored(const QObject& object, const QMetaProperty& property);

// Whether the property holds a component's sub-object, streamed through a dotted path.
bool IsObjectProperty(const QMetaProperty& property);

// The current value in layout form. Throws ELayoutError for a type no layout can hold.
LayoutValue EncodeProperty(const QObject& object, const QMetaProperty& property);

// Converts the value to the property's type and writes it through the property's writer.
// Throws ELayoutError (without a location; the caller adds it) when the value does not fit.
void WriteProperty(QObject& object, const QMetaProperty& property, const LayoutValue& value);

} // namespace platform
