#include "filter.h"

#include "engine_error.h"
#include "sql_identifier.h"
#include "table.h"

namespace {

class FilterReader
{
public:
    explicit FilterReader(const QString &text) : m_text(text) {}

    void skipSpaces()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }
    bool atEnd()
    {
        skipSpaces();
        return m_pos >= m_text.size();
    }
    QString identifier()
    {
        skipSpaces();
        const qsizetype start = m_pos;
        while (m_pos < m_text.size()
               && (m_text.at(m_pos).isLetterOrNumber() || m_text.at(m_pos) == u'_'))
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }
    bool accept(QChar c)
    {
        skipSpaces();
        if (m_pos < m_text.size() && m_text.at(m_pos) == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    bool acceptWord(const QString &word)
    {
        skipSpaces();
        if (m_text.mid(m_pos, word.size()).compare(word, Qt::CaseInsensitive) != 0)
            return false;
        const qsizetype after = m_pos + word.size();
        if (after >= m_text.size() || !m_text.at(after).isSpace())
            return false;
        m_pos = after;
        return true;
    }
    // A double-quoted text, in which two quotes stand for one.
    bool quoted(QString *out)
    {
        skipSpaces();
        if (m_pos >= m_text.size() || m_text.at(m_pos) != u'"')
            return false;
        QString text;
        for (qsizetype i = m_pos + 1; i < m_text.size(); ++i) {
            if (m_text.at(i) != u'"') {
                text += m_text.at(i);
                continue;
            }
            if (i + 1 < m_text.size() && m_text.at(i + 1) == u'"') {
                text += u'"';
                ++i;
                continue;
            }
            *out = text;
            m_pos = i + 1;
            return true;
        }
        return false;
    }
    bool number(QString *out)
    {
        skipSpaces();
        const qsizetype start = m_pos;
        if (m_pos < m_text.size() && (m_text.at(m_pos) == u'-' || m_text.at(m_pos) == u'+'))
            ++m_pos;
        while (m_pos < m_text.size()
               && (m_text.at(m_pos).isDigit() || m_text.at(m_pos) == u'.'
                   || m_text.at(m_pos) == u'e' || m_text.at(m_pos) == u'E'))
            ++m_pos;
        *out = m_text.mid(start, m_pos - start);
        bool ok = false;
        out->toDouble(&ok);
        if (!ok)
            m_pos = start;
        return ok;
    }

private:
    const QString &m_text;
    qsizetype m_pos = 0;
};

const ColumnInfo *findColumn(const std::vector<ColumnInfo> &columns, const QString &name)
{
    const QString lower = name.toLower();
    for (const ColumnInfo &c : columns)
        if (c.lowerName == lower)
            return &c;
    return nullptr;
}

} // namespace

QString quoteFilterText(const QString &value)
{
    return u'"' + QString(value).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

ParsedFilter parseFilter(const QString &filter, const std::vector<ColumnInfo> &columns,
                         const QString &tableName)
{
    ParsedFilter result;
    FilterReader reader(filter);
    if (reader.atEnd())
        return result;

    const auto malformed = [&] {
        return EngineError(QStringLiteral("Malformed filter on table %1: %2").arg(tableName, filter));
    };

    QStringList clauses;
    bool matchesNothing = false;
    for (;;) {
        const QString name = reader.identifier();
        if (name.isEmpty())
            throw malformed();
        const ColumnInfo *column = findColumn(columns, name);
        if (!column)
            throw EngineError(QStringLiteral("Field '%1' not found in table %2").arg(name, tableName));
        if (!reader.accept(u'='))
            throw malformed();
        if (reader.atEnd()) {
            // "Id = " with nothing after it: no row has that value.
            matchesNothing = true;
            break;
        }

        const QString sqlName = quoteIdentifier(column->name);
        QString text;
        QString literal;
        if (reader.quoted(&text)) {
            if (text.isEmpty() && column->kind != FieldKind::Text) {
                // An empty number is NULL; text columns hold '' and never NULL, and an OR
                // here would keep SQLite from using the column's index.
                clauses << QStringLiteral("%1 IS NULL").arg(sqlName);
            } else {
                clauses << QStringLiteral("%1 = ? COLLATE BINARY").arg(sqlName);
                result.parameters.emplace_back(text);
            }
        } else if (reader.number(&literal)) {
            clauses << QStringLiteral("%1 = ?").arg(sqlName);
            bool isInteger = false;
            const qint64 integer = literal.toLongLong(&isInteger);
            if (column->kind == FieldKind::Text)
                result.parameters.emplace_back(literal);
            else if (isInteger)
                result.parameters.emplace_back(integer);
            else
                result.parameters.emplace_back(literal.toDouble());
        } else {
            throw malformed();
        }

        if (reader.atEnd())
            break;
        if (!reader.acceptWord(QStringLiteral("and")))
            throw malformed();
    }

    if (matchesNothing) {
        result.whereSql = QStringLiteral("0");
        result.parameters.clear();
    } else {
        result.whereSql = clauses.join(QStringLiteral(" AND "));
    }
    return result;
}
