#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace platform {

// One value as a component layout writes it: an identifier (True, fkSystemB, clBlack), a
// whole number, a quoted text, a set of identifiers ([fsBold, fsItalic]) or a parenthesised
// list of values (a font).
struct LayoutValue {
    enum class Kind { Identifier, Integer, String, Set, List };

    Kind kind = Kind::Integer;
    QString text;                   // Identifier, String
    std::int64_t integer = 0;       // Integer
    bool hex = false;               // Integer: written as $hex
    std::vector<LayoutValue> items; // Set (identifiers), List

    static LayoutValue identifier(const QString& name);
    static LayoutValue number(std::int64_t value, bool asHex = false);
    static LayoutValue string(const QString& value);
    static LayoutValue set(const QStringList& names);
    static LayoutValue list(std::vector<LayoutValue> values);

    // The value in layout syntax, as the reader accepts it back.
    QString toText() const;
    // For messages: "identifier", "number", ...
    static QString kindName(Kind kind);
};

// A text as a quoted layout string: printable characters between single quotes (a quote
// doubled), control characters as #code, so any text survives a round trip.
QString QuoteLayoutString(const QString& text);

} // namespace platform
