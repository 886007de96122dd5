#include "platform/stream/layout_parser.h"

#include "platform/stream/layout_error.h"

namespace platform {
namespace {

// Lists nest (a font inside a list); a hostile file must not run the reader out of stack.
constexpr int MaxNesting = 8;

enum class TokenType { End, Identifier, Integer, String, Punct };

struct Token {
    TokenType type = TokenType::End;
    QString text;
    std::int64_t integer = 0;
    bool hex = false;
    int line = 1;
};

class Lexer {
public:
    Lexer(const QString& text, const QString& source) : text_(text), source_(source) {}

    [[noreturn]] void fail(int line, const QString& what) const {
        throw ELayoutError(
            QStringLiteral("%1, line %2: %3").arg(source_).arg(line).arg(what).toStdString());
    }

    Token next() {
        skipSpace();
        Token t;
        t.line = line_;
        if (pos_ >= text_.size()) {
            return t;
        }
        const QChar ch = text_[pos_];
        if (ch.isLetter() || ch == QLatin1Char('_')) {
            t.type = TokenType::Identifier;
            const qsizetype start = pos_;
            while (pos_ < text_.size() &&
                   (text_[pos_].isLetterOrNumber() || text_[pos_] == QLatin1Char('_'))) {
                ++pos_;
            }
            t.text = text_.mid(start, pos_ - start);
            return t;
        }
        if (ch.isDigit() || ch == QLatin1Char('$') || ch == QLatin1Char('-')) {
            return number(t);
        }
        if (ch == QLatin1Char('\'') || ch == QLatin1Char('#')) {
            return string(t);
        }
        if (QStringLiteral("=.:()[],").contains(ch)) {
            t.type = TokenType::Punct;
            t.text = ch;
            ++pos_;
            return t;
        }
        fail(line_, QStringLiteral("unexpected character '%1'").arg(ch));
    }

private:
    void skipSpace() {
        while (pos_ < text_.size() && text_[pos_].isSpace()) {
            if (text_[pos_] == QLatin1Char('\n')) {
                ++line_;
            }
            ++pos_;
        }
    }

    Token number(Token t) {
        bool negative = false;
        if (text_[pos_] == QLatin1Char('-')) {
            negative = true;
            ++pos_;
        }
        int base = 10;
        if (pos_ < text_.size() && text_[pos_] == QLatin1Char('$')) {
            base = 16;
            t.hex = true;
            ++pos_;
        }
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_].isLetterOrNumber()) {
            ++pos_;
        }
        bool ok = false;
        const qlonglong magnitude = text_.mid(start, pos_ - start).toLongLong(&ok, base);
        if (!ok) {
            fail(t.line,
                 QStringLiteral("'%1' is not a valid number").arg(text_.mid(start, pos_ - start)));
        }
        t.type = TokenType::Integer;
        t.integer = negative ? -magnitude : magnitude;
        return t;
    }

    // 'text', with '' for a quote, joined directly to #code characters: 'a'#13#10'b'.
    Token string(Token t) {
        t.type = TokenType::String;
        while (pos_ < text_.size()) {
            const QChar ch = text_[pos_];
            if (ch == QLatin1Char('\'')) {
                ++pos_;
                for (;;) {
                    if (pos_ >= text_.size() || text_[pos_] == QLatin1Char('\n')) {
                        fail(t.line, QStringLiteral("unterminated text"));
                    }
                    if (text_[pos_] == QLatin1Char('\'')) {
                        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == QLatin1Char('\'')) {
                            t.text += QLatin1Char('\'');
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    t.text += text_[pos_++];
                }
            } else if (ch == QLatin1Char('#')) {
                ++pos_;
                const qsizetype start = pos_;
                while (pos_ < text_.size() && text_[pos_].isDigit()) {
                    ++pos_;
                }
                bool ok = false;
                const uint code = text_.mid(start, pos_ - start).toUInt(&ok);
                if (!ok || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
                    fail(t.line, QStringLiteral("invalid character code in text"));
                }
                const char32_t c = code;
                t.text += QString::fromUcs4(&c, 1);
            } else {
                break;
            }
        }
        return t;
    }

    const QString& text_;
    const QString& source_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

class Parser {
public:
    Parser(const QString& text, const QString& source) : lexer_(text, source) { advance(); }

    std::vector<LayoutObject> document() {
        std::vector<LayoutObject> objects;
        while (current_.type != TokenType::End) {
            objects.push_back(object());
        }
        return objects;
    }

private:
    void advance() { current_ = lexer_.next(); }

    bool isKeyword(const char* word) const {
        return current_.type == TokenType::Identifier &&
               current_.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }

    bool isPunct(char p) const {
        return current_.type == TokenType::Punct && current_.text == QLatin1Char(p);
    }

    void expectPunct(char p, const char* context) {
        if (!isPunct(p)) {
            lexer_.fail(
                current_.line,
                QStringLiteral("expected '%1' %2").arg(QLatin1Char(p)).arg(QLatin1String(context)));
        }
        advance();
    }

    QString identifier(const char* what) {
        if (current_.type != TokenType::Identifier) {
            lexer_.fail(current_.line, QStringLiteral("expected %1").arg(QLatin1String(what)));
        }
        QString name = current_.text;
        advance();
        return name;
    }

    LayoutObject object() {
        if (!isKeyword("object")) {
            lexer_.fail(current_.line, QStringLiteral("expected 'object'"));
        }
        LayoutObject obj;
        obj.line = current_.line;
        advance();
        obj.name = identifier("a component name after 'object'");
        expectPunct(':', "after the component name");
        obj.className = identifier("a class name");
        while (!isKeyword("end")) {
            if (current_.type == TokenType::End) {
                lexer_.fail(current_.line,
                            QStringLiteral("'end' missing for object %1").arg(obj.name));
            }
            if (isKeyword("object")) {
                lexer_.fail(current_.line, QStringLiteral("nested objects are not supported"));
            }
            obj.assignments.push_back(assignment());
        }
        advance();
        return obj;
    }

    LayoutAssignment assignment() {
        LayoutAssignment a;
        a.line = current_.line;
        a.path << identifier("a property name");
        while (isPunct('.')) {
            advance();
            a.path << identifier("a property name after '.'");
        }
        expectPunct('=', "after the property name");
        a.value = value(0);
        return a;
    }

    LayoutValue value(int depth) {
        if (depth > MaxNesting) {
            lexer_.fail(current_.line, QStringLiteral("values nested too deeply"));
        }
        const Token t = current_;
        switch (t.type) {
        case TokenType::Identifier:
            if (t.text.compare(QLatin1String("end"), Qt::CaseInsensitive) == 0 ||
                t.text.compare(QLatin1String("object"), Qt::CaseInsensitive) == 0) {
                break;
            }
            advance();
            return LayoutValue::identifier(t.text);
        case TokenType::Integer:
            advance();
            return LayoutValue::number(t.integer, t.hex);
        case TokenType::String:
            advance();
            return LayoutValue::string(t.text);
        case TokenType::Punct:
            if (isPunct('[')) {
                return set();
            }
            if (isPunct('(')) {
                return list(depth);
            }
            break;
        case TokenType::End:
            break;
        }
        lexer_.fail(t.line, QStringLiteral("expected a value"));
    }

    LayoutValue set() {
        advance();
        QStringList names;
        if (!isPunct(']')) {
            names << identifier("an identifier in the set");
            while (isPunct(',')) {
                advance();
                names << identifier("an identifier in the set");
            }
        }
        expectPunct(']', "to close the set");
        return LayoutValue::set(names);
    }

    LayoutValue list(int depth) {
        advance();
        std::vector<LayoutValue> items;
        if (!isPunct(')')) {
            items.push_back(value(depth + 1));
            while (isPunct(',')) {
                advance();
                items.push_back(value(depth + 1));
            }
        }
        expectPunct(')', "to close the list");
        return LayoutValue::list(std::move(items));
    }

    Lexer lexer_;
    Token current_;
};

} // namespace

std::vector<LayoutObject> ParseComponentLayout(const QString& text, const QString& sourceName) {
    return Parser(text, sourceName).document();
}

} // namespace platform
