#include "strict_json.h"

#include <cmath>
#include <vector>

#include <QSet>

#include "exchange/exchange_error.h"

namespace {

constexpr int End = -1;

class StrictReader
{
public:
    StrictReader(const QByteArray &text, const QString &source, int maxDepth)
        : m_text(text), m_source(source), m_maxDepth(maxDepth)
    {
    }

    qsizetype read()
    {
        const auto startsWith = [&](const char *bytes, qsizetype size) {
            return m_text.size() >= size && m_text.first(size) == QByteArray(bytes, size);
        };
        if (startsWith("\xEF\xBB\xBF", 3))
            m_at = 3;
        else if (startsWith("\xFE\xFF", 2) || startsWith("\xFF\xFE", 2) || startsWith("\0\0\xFE\xFF", 4))
            fail(QStringLiteral("a UTF-16 or UTF-32 text; a statement file is UTF-8"));
        const qsizetype begin = m_at;
        value(0);
        skipSpace();
        if (m_at != m_text.size())
            syntax(QStringLiteral("more text after the end of the JSON value"));
        return begin;
    }

private:
    int peek() const { return m_at < m_text.size() ? uchar(m_text[m_at]) : End; }

    QString path() const
    {
        QString text = QStringLiteral("$");
        for (const QString &step : m_path)
            text += step;
        return text;
    }

    [[noreturn]] void fail(const QString &what) const
    {
        throw ExchangeError(QStringLiteral("%1: %2: %3").arg(m_source, path(), what));
    }
    [[noreturn]] void failAt(const QString &what, qsizetype at) const
    {
        fail(QStringLiteral("%1 at byte %2").arg(what, QString::number(at)));
    }
    [[noreturn]] void syntax(const QString &what) const
    {
        fail(QStringLiteral("not a JSON file (%1 at byte %2)").arg(what, QString::number(m_at)));
    }

    void skipSpace()
    {
        while (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')
            ++m_at;
    }

    void value(int depth)
    {
        skipSpace();
        switch (peek()) {
        case '{':
            object(depth + 1);
            return;
        case '[':
            array(depth + 1);
            return;
        case '"':
            string(false);
            return;
        case 't':
            literal("true");
            return;
        case 'f':
            literal("false");
            return;
        case 'n':
            literal("null");
            return;
        case End:
            syntax(QStringLiteral("the text ends where a value belongs"));
        default:
            if (peek() == '-' || (peek() >= '0' && peek() <= '9')) {
                number();
                return;
            }
            syntax(QStringLiteral("no JSON value"));
        }
    }

    void enter(int depth)
    {
        if (depth > m_maxDepth)
            fail(QStringLiteral("nested deeper than %1 levels at byte %2; a statement file nests four")
                     .arg(m_maxDepth)
                     .arg(m_at));
        ++m_at;
        skipSpace();
    }

    void object(int depth)
    {
        enter(depth);
        if (peek() == '}') {
            ++m_at;
            return;
        }
        QSet<QString> names;
        for (;;) {
            skipSpace();
            if (peek() != '"')
                syntax(QStringLiteral("a member name in double quotes expected"));
            const qsizetype nameAt = m_at;
            const QString name = string(true);
            m_path.push_back(u'.' + name);
            if (names.contains(name))
                failAt(QStringLiteral("a second member of this name in the same object (each may stand once)"), nameAt);
            names.insert(name);
            skipSpace();
            if (peek() != ':')
                syntax(QStringLiteral("a colon expected"));
            ++m_at;
            value(depth);
            m_path.pop_back();
            skipSpace();
            if (peek() == '}') {
                ++m_at;
                return;
            }
            if (peek() != ',')
                syntax(QStringLiteral("a comma or a closing brace expected"));
            ++m_at;
        }
    }

    void array(int depth)
    {
        enter(depth);
        if (peek() == ']') {
            ++m_at;
            return;
        }
        for (qsizetype index = 0;; ++index) {
            m_path.push_back(QStringLiteral("[%1]").arg(index));
            value(depth);
            m_path.pop_back();
            skipSpace();
            if (peek() == ']') {
                ++m_at;
                return;
            }
            if (peek() != ',')
                syntax(QStringLiteral("a comma or a closing bracket expected"));
            ++m_at;
        }
    }

    void literal(const char *word)
    {
        const QByteArray expected(word);
        if (m_text.mid(m_at, expected.size()) != expected)
            syntax(QStringLiteral("no JSON value"));
        m_at += expected.size();
    }

    bool digit() const { return peek() >= '0' && peek() <= '9'; }

    void digits(const char *where)
    {
        if (!digit())
            syntax(QStringLiteral("a number without digits %1").arg(QLatin1String(where)));
        while (digit())
            ++m_at;
    }

    void number()
    {
        const qsizetype start = m_at;
        if (peek() == '-')
            ++m_at;
        if (peek() == '0')
            ++m_at; // no leading zeros: "012" ends after the 0
        else
            digits("");
        if (peek() == '.') {
            ++m_at;
            digits("after its point");
        }
        if (peek() == 'e' || peek() == 'E') {
            ++m_at;
            if (peek() == '+' || peek() == '-')
                ++m_at;
            digits("in its exponent");
        }
        // JSON numbers have no limit, but every reader of them has one.
        bool ok = false;
        const double value = m_text.sliced(start, m_at - start).toDouble(&ok);
        if (!ok || !std::isfinite(value))
            failAt(QStringLiteral("a number beyond what a double can hold"), start);
    }

    // The four hexadecimal digits at position at, or -1.
    int hex4(qsizetype at) const
    {
        if (at + 4 > m_text.size())
            return -1;
        int unit = 0;
        for (qsizetype i = at; i < at + 4; ++i) {
            const char c = m_text[i];
            const int digit = c >= '0' && c <= '9' ? c - '0'
                : c >= 'a' && c <= 'f'             ? c - 'a' + 10
                : c >= 'A' && c <= 'F'             ? c - 'A' + 10
                                                   : -1;
            if (digit < 0)
                return -1;
            unit = unit * 16 + digit;
        }
        return unit;
    }

    QString nulProblem() const
    {
        return QStringLiteral("a text holding the character NUL (\\u0000), which no field can keep");
    }

    // After the backslash at m_at: one escape, appended to out when keep.
    void escape(QString &out, bool keep)
    {
        const qsizetype at = m_at;
        ++m_at;
        const int e = peek();
        char32_t character = 0;
        switch (e) {
        case '"':
        case '\\':
        case '/':
            character = char32_t(e);
            break;
        case 'b':
            character = u'\b';
            break;
        case 'f':
            character = u'\f';
            break;
        case 'n':
            character = u'\n';
            break;
        case 'r':
            character = u'\r';
            break;
        case 't':
            character = u'\t';
            break;
        case 'u': {
            const int unit = hex4(m_at + 1);
            if (unit < 0)
                failAt(QStringLiteral("\\u without four hexadecimal digits"), at);
            m_at += 4;
            if (unit == 0)
                failAt(nulProblem(), at);
            const auto lone = [&] {
                failAt(QStringLiteral("\\u%1 alone, half of a surrogate pair and no character")
                           .arg(QString::fromLatin1(m_text.sliced(at + 2, 4))),
                       at);
            };
            if (unit >= 0xDC00 && unit <= 0xDFFF)
                lone();
            if (unit >= 0xD800 && unit <= 0xDBFF) {
                const int low = m_at + 2 < m_text.size() && m_text[m_at + 1] == '\\' && m_text[m_at + 2] == 'u'
                    ? hex4(m_at + 3)
                    : -1;
                if (low < 0xDC00 || low > 0xDFFF)
                    lone();
                m_at += 6;
                character = 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(low) - 0xDC00);
            } else {
                character = char32_t(unit);
            }
            break;
        }
        case End:
            m_at = at;
            syntax(QStringLiteral("a text without its closing quote"));
        default:
            failAt(e > ' ' && e < 0x7F ? QStringLiteral("\"\\%1\", which is no escape of JSON (a backslash is written \"\\\\\")")
                                             .arg(QChar(e))
                                       : QStringLiteral("a backslash before a character that no escape of JSON begins with"),
                   at);
        }
        ++m_at;
        if (keep)
            out += QString::fromUcs4(&character, 1);
    }

    // One UTF-8 encoded character at m_at, appended to out when keep.
    void utf8(QString &out, bool keep)
    {
        const uchar lead = uchar(m_text[m_at]);
        int length = 0;
        char32_t character = 0;
        char32_t least = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2, character = lead & 0x1F, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, character = lead & 0x0F, least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, character = lead & 0x07, least = 0x10000;
        }
        bool valid = length > 0 && m_at + length <= m_text.size();
        for (int i = 1; valid && i < length; ++i) {
            const uchar next = uchar(m_text[m_at + i]);
            valid = (next & 0xC0) == 0x80;
            character = (character << 6) | (next & 0x3F);
        }
        // Overlong forms, encoded surrogates and code points past Unicode are not UTF-8.
        if (!valid || character < least || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF))
            failAt(QStringLiteral("bytes that are not UTF-8 inside a text"), m_at);
        m_at += length;
        if (keep)
            out += QString::fromUcs4(&character, 1);
    }

    // The text at m_at (its opening quote); its characters are kept only when asked for.
    QString string(bool keep)
    {
        const qsizetype start = m_at;
        ++m_at;
        QString out;
        for (;;) {
            const int c = peek();
            if (c == End) {
                m_at = start;
                syntax(QStringLiteral("a text without its closing quote"));
            }
            if (c == '"') {
                ++m_at;
                return out;
            }
            if (c == '\\') {
                escape(out, keep);
            } else if (c == 0) {
                failAt(nulProblem(), m_at);
            } else if (c < 0x20) {
                syntax(QStringLiteral("a line break or other control character inside a text, which JSON writes as "
                                      "\\n, \\t or \\u00XX"));
            } else if (c >= 0x80) {
                utf8(out, keep);
            } else {
                if (keep)
                    out += QChar(c);
                ++m_at;
            }
        }
    }

    const QByteArray &m_text;
    const QString &m_source;
    const int m_maxDepth;
    qsizetype m_at = 0;
    std::vector<QString> m_path;
};

} // namespace

qsizetype checkStrictJson(const QByteArray &text, const QString &source, int maxDepth)
{
    return StrictReader(text, source, maxDepth).read();
}
