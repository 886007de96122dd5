#include "platform/stream/layout_value.h"

#include <QStringList>

namespace platform {

LayoutValue LayoutValue::identifier(const QString& name) {
    LayoutValue v;
    v.kind = Kind::Identifier;
    v.text = name;
    return v;
}

LayoutValue LayoutValue::number(std::int64_t value, bool asHex) {
    LayoutValue v;
    v.kind = Kind::Integer;
    v.integer = value;
    v.hex = asHex;
    return v;
}

LayoutValue LayoutValue::string(const QString& value) {
    LayoutValue v;
    v.kind = Kind::String;
    v.text = value;
    return v;
}

LayoutValue LayoutValue::set(const QStringList& names) {
    LayoutValue v;
    v.kind = Kind::Set;
    for (const QString& name : names) {
        v.items.push_back(identifier(name));
    }
    return v;
}

LayoutValue LayoutValue::list(std::vector<LayoutValue> values) {
    LayoutValue v;
    v.kind = Kind::List;
    v.items = std::move(values);
    return v;
}

QString LayoutValue::toText() const {
    switch (kind) {
    case Kind::Identifier:
        return text;
    case Kind::Integer:
        if (hex && integer >= 0) {
            return QStringLiteral("$%1")
                .arg(static_cast<qulonglong>(integer), 8, 16, QLatin1Char('0'))
                .toUpper();
        }
        return QString::number(integer);
    case Kind::String:
        return QuoteLayoutString(text);
    case Kind::Set:
    case Kind::List: {
        QStringList parts;
        for (const LayoutValue& item : items) {
            parts << item.toText();
        }
        const bool isSet = kind == Kind::Set;
        return (isSet ? QStringLiteral("[") : QStringLiteral("(")) +
               parts.join(QStringLiteral(", ")) +
               (isSet ? QStringLiteral("]") : QStringLiteral(")"));
    }
    }
    return {};
}

QString LayoutValue::kindName(Kind kind) {
    switch (kind) {
    case Kind::Identifier:
        return QStringLiteral("an identifier");
    case Kind::Integer:
        return QStringLiteral("a number");
    case Kind::String:
        return QStringLiteral("a text");
    case Kind::Set:
        return QStringLiteral("a set");
    case Kind::List:
        return QStringLiteral("a list");
    }
    return {};
}

QString QuoteLayoutString(const QString& text) {
    QString out;
    bool inQuotes = false;
    for (const QChar ch : text) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F) {
            if (inQuotes) {
                out += QLatin1Char('\'');
                inQuotes = false;
            }
            out += QLatin1Char('#') + QString::number(ch.unicode());
            continue;
        }
        if (!inQuotes) {
            out += QLatin1Char('\'');
            inQuotes = true;
        }
        if (ch == QLatin1Char('\'')) {
            out += QLatin1Char('\'');
        }
        out += ch;
    }
    if (inQuotes) {
        out += QLatin1Char('\'');
    }
    return out.isEmpty() ? QStringLiteral("''") : out;
}

} // namespace platform
