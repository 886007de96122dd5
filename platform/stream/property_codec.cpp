#include "platform/stream/property_codec.h"

#include "platform/stream/color_names.h"
#include "platform/stream/font_height.h"
#include "platform/stream/layout_error.h"

#include <QFont>
#include <QMetaEnum>
#include <QStringList>

#include <array>
#include <limits>

namespace platform {
namespace {

struct FontStyleName {
    const char* name;
    bool (QFont::*get)() const;
    void (QFont::*set)(bool);
};

constexpr std::array<FontStyleName, 4> FontStyles{{
    {"fsBold", &QFont::bold, &QFont::setBold},
    {"fsItalic", &QFont::italic, &QFont::setItalic},
    {"fsUnderline", &QFont::underline, &QFont::setUnderline},
    {"fsStrikeOut", &QFont::strikeOut, &QFont::setStrikeOut},
}};

[[noreturn]] void fail(const QMetaProperty& property, const QString& what) {
    throw ELayoutError(
        QStringLiteral("property %1: %2").arg(QLatin1String(property.name()), what).toStdString());
}

void expectKind(const QMetaProperty& property, const LayoutValue& value, LayoutValue::Kind kind) {
    if (value.kind != kind) {
        fail(property, QStringLiteral("expected %1, found %2")
                           .arg(LayoutValue::kindName(kind), LayoutValue::kindName(value.kind)));
    }
}

bool isColorProperty(const QObject& object, const QMetaProperty& property) {
    const QMetaObject* meta = object.metaObject();
    const int index = meta->indexOfClassInfo(ColorPropertiesInfo);
    if (index < 0) {
        return false;
    }
    const QStringList names = QString::fromLatin1(meta->classInfo(index).value())
                                  .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return names.contains(QLatin1String(property.name()));
}

int toInt32(const QMetaProperty& property, std::int64_t n) {
    if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max()) {
        fail(property, QStringLiteral("%1 is out of range").arg(n));
    }
    return static_cast<int>(n);
}

TColor decodeColor(const QMetaProperty& property, const LayoutValue& value) {
    if (value.kind == LayoutValue::Kind::Identifier) {
        if (const auto color = ColorFromName(value.text)) {
            return *color;
        }
        fail(property, QStringLiteral("'%1' is not a colour name").arg(value.text));
    }
    expectKind(property, value, LayoutValue::Kind::Integer);
    // $80000009 is how a system colour reference reads in hex: take hex as the 32-bit pattern.
    if (value.hex && value.integer >= 0 && value.integer <= 0xFFFFFFFFLL) {
        return static_cast<TColor>(static_cast<std::uint32_t>(value.integer));
    }
    return toInt32(property, value.integer);
}

LayoutValue encodeColor(TColor color) {
    if (const auto name = ColorName(color)) {
        return LayoutValue::identifier(*name);
    }
    return LayoutValue::number(static_cast<std::uint32_t>(color), true);
}

LayoutValue encodeFont(const QFont& font) {
    QStringList styles;
    for (const FontStyleName& style : FontStyles) {
        if ((font.*style.get)()) {
            styles << QLatin1String(style.name);
        }
    }
    return LayoutValue::list({LayoutValue::string(font.family()),
                              LayoutValue::number(FontHeight(font)), LayoutValue::set(styles)});
}

// ('Liberation Sans', -11, [fsBold, fsItalic]): face, height (negative pixels, positive
// points), style set.
QFont decodeFont(const QMetaProperty& property, const LayoutValue& value) {
    expectKind(property, value, LayoutValue::Kind::List);
    if (value.items.size() != 3) {
        fail(property, QStringLiteral("a font is written as (face, height, [styles])"));
    }
    expectKind(property, value.items[0], LayoutValue::Kind::String);
    expectKind(property, value.items[1], LayoutValue::Kind::Integer);
    expectKind(property, value.items[2], LayoutValue::Kind::Set);
    QFont font(value.items[0].text);
    if (!SetFontHeight(font, toInt32(property, value.items[1].integer))) {
        fail(property,
             QStringLiteral("font height %1 is out of range").arg(value.items[1].integer));
    }
    for (const LayoutValue& item : value.items[2].items) {
        bool known = false;
        for (const FontStyleName& style : FontStyles) {
            if (item.text.compare(QLatin1String(style.name), Qt::CaseInsensitive) == 0) {
                (font.*style.set)(true);
                known = true;
            }
        }
        if (!known) {
            fail(property, QStringLiteral("'%1' is not a font style").arg(item.text));
        }
    }
    return font;
}

QVariant decodeEnum(const QMetaProperty& property, const LayoutValue& value) {
    const QMetaEnum meta = property.enumerator();
    int number = 0;
    if (value.kind == LayoutValue::Kind::Integer) {
        number = toInt32(property, value.integer);
    } else {
        expectKind(property, value, LayoutValue::Kind::Identifier);
        bool ok = false;
        number = meta.keyToValue(value.text.toLatin1().constData(), &ok);
        if (!ok) {
            fail(property, QStringLiteral("'%1' is not a value of %2")
                               .arg(value.text, QLatin1String(meta.name())));
        }
    }
    // The property's writer takes the enumeration type itself; convert through the metatype.
    QVariant v(number);
    if (!v.convert(property.metaType())) {
        fail(property, QStringLiteral("cannot take the value %1").arg(number));
    }
    return v;
}

} // namespace

bool IsPropertyStored(const QObject& object, const QMetaProperty& property) {
    if (!property.isStored()) {
        return false;
    }
    const QByteArray signature = QByteArray(property.name()) + "Stored()";
    const int index = object.metaObject()->indexOfMethod(signature.constData());
    if (index < 0) {
        return true;
    }
    bool stored = true;
    object.metaObject()->method(index).invoke(const_cast<QObject*>(&object), Qt::DirectConnection,
                                              Q_RETURN_ARG(bool, stored));
    return stored;
}

bool IsObjectProperty(const QMetaProperty& property) {
    return property.metaType().flags().testFlag(QMetaType::PointerToQObject);
}

LayoutValue EncodeProperty(const QObject& object, const QMetaProperty& property) {
    const QVariant v = property.read(&object);
    if (property.isEnumType()) {
        const int number = v.toInt();
        if (const char* key = property.enumerator().valueToKey(number)) {
            return LayoutValue::identifier(QString::fromLatin1(key));
        }
        return LayoutValue::number(number);
    }
    switch (property.metaType().id()) {
    case QMetaType::Bool:
        return LayoutValue::identifier(v.toBool() ? QStringLiteral("True")
                                                  : QStringLiteral("False"));
    case QMetaType::Int:
        if (isColorProperty(object, property)) {
            return encodeColor(v.toInt());
        }
        return LayoutValue::number(v.toInt());
    case QMetaType::QString:
        return LayoutValue::string(v.toString());
    case QMetaType::QFont:
        return encodeFont(v.value<QFont>());
    default:
        fail(property, QStringLiteral("a %1 cannot be written to a layout")
                           .arg(QLatin1String(property.typeName())));
    }
}

void WriteProperty(QObject& object, const QMetaProperty& property, const LayoutValue& value) {
    if (IsObjectProperty(property)) {
        fail(property, QStringLiteral("is an object: write its properties with a dotted path"));
    }
    if (!property.isWritable()) {
        fail(property, QStringLiteral("is read-only"));
    }
    QVariant v;
    if (property.isEnumType()) {
        v = decodeEnum(property, value);
    } else {
        switch (property.metaType().id()) {
        case QMetaType::Bool: {
            expectKind(property, value, LayoutValue::Kind::Identifier);
            const bool isTrue = value.text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
            if (!isTrue && value.text.compare(QLatin1String("False"), Qt::CaseInsensitive) != 0) {
                fail(property,
                     QStringLiteral("expected True or False, found '%1'").arg(value.text));
            }
            v = isTrue;
            break;
        }
        case QMetaType::Int:
            if (isColorProperty(object, property)) {
                v = decodeColor(property, value);
            } else {
                expectKind(property, value, LayoutValue::Kind::Integer);
                v = toInt32(property, value.integer);
            }
            break;
        case QMetaType::QString:
            expectKind(property, value, LayoutValue::Kind::String);
            v = value.text;
            break;
        case QMetaType::QFont:
            v = QVariant::fromValue(decodeFont(property, value));
            break;
        default:
            if (IsObjectProperty(property)) {
                fail(property,
                     QStringLiteral("is an object: write its properties with a dotted path"));
            }
            fail(property, QStringLiteral("a %1 cannot be read from a layout")
                               .arg(QLatin1String(property.typeName())));
        }
    }
    if (!property.write(&object, v)) {
        fail(property, QStringLiteral("the value was not accepted"));
    }
}

} // namespace platform
