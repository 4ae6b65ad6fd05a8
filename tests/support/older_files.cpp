#include "older_files.h"

#include <QFile>
#include <QStringList>

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include "data/schema.h"

namespace {

// The tables of version 1 and their fields, read from the statements that make it.
std::vector<std::pair<std::string, std::vector<std::string>>> version1Tables()
{
    SQLite::Database schema(":memory:", SQLite::OPEN_READWRITE);
    schema.exec(schemaSqlOfVersion(1));
    std::vector<std::pair<std::string, std::vector<std::string>>> tables;
    SQLite::Statement names(schema, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' "
                                    "ORDER BY name");
    while (names.executeStep()) {
        std::vector<std::string> fields;
        SQLite::Statement info(schema, "SELECT name FROM pragma_table_info(?)");
        info.bind(1, names.getColumn(0).getString());
        while (info.executeStep())
            fields.push_back(info.getColumn(0).getString());
        tables.emplace_back(names.getColumn(0).getString(), std::move(fields));
    }
    return tables;
}

std::string quoted(const std::string &name)
{
    return '"' + name + '"';
}

std::string joined(const std::vector<std::string> &fields)
{
    std::string text;
    for (const std::string &field : fields)
        text += (text.empty() ? "" : ",") + quoted(field);
    return text;
}

} // namespace

void writeVersion1File(const QString &path)
{
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::NewOnly | QIODevice::WriteOnly)) << path.toStdString();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
    db.exec("PRAGMA journal_mode = DELETE");
    db.exec("BEGIN");
    db.exec(schemaSqlOfVersion(1));
    db.exec("COMMIT");
}

void writeVersion1Copy(const QString &source, const QString &path)
{
    writeVersion1File(path);
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
    db.exec("ATTACH DATABASE '" + source.toStdString() + "' AS source");
    db.exec("BEGIN");
    for (const auto &[table, fields] : version1Tables())
        db.exec("INSERT INTO main." + quoted(table) + " (rowid," + joined(fields) + ") SELECT rowid," + joined(fields)
                + " FROM source." + quoted(table) + " ORDER BY rowid");
    db.exec("DELETE FROM main.sqlite_sequence");
    db.exec("INSERT INTO main.sqlite_sequence SELECT * FROM source.sqlite_sequence");
    db.exec("COMMIT");
    db.exec("DETACH DATABASE source");
}

QString version1Dump(const QString &path)
{
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
    QStringList lines;
    for (const auto &[table, fields] : version1Tables()) {
        lines << QString::fromStdString(table);
        SQLite::Statement rows(db, "SELECT rowid," + joined(fields) + " FROM " + quoted(table) + " ORDER BY rowid");
        while (rows.executeStep()) {
            QStringList values;
            for (int c = 0; c < rows.getColumnCount(); ++c) {
                const SQLite::Column value = rows.getColumn(c);
                values << (value.isNull()                       ? QStringLiteral("<null>")
                           : value.getType() == SQLite::FLOAT   ? u"r:"_qs + QString::number(value.getDouble(), 'g', 17)
                           : value.getType() == SQLite::INTEGER ? u"i:"_qs + QString::number(value.getInt64())
                                                                : u"t:"_qs + QString::fromUtf8(value.getText()));
            }
            lines << values.join(u'|');
        }
    }
    SQLite::Statement sequence(db, "SELECT name, seq FROM sqlite_sequence ORDER BY name");
    while (sequence.executeStep())
        lines << QStringLiteral("sequence %1 %2").arg(sequence.getColumn(0).getText()).arg(sequence.getColumn(1).getInt64());
    return lines.join(u'\n');
}

QString filledNewFields(const QString &path)
{
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
    QStringList filled;
    for (const auto &[table, fields] : version1Tables()) {
        SQLite::Statement info(db, "SELECT name FROM pragma_table_info(?)");
        info.bind(1, table);
        while (info.executeStep()) {
            const std::string field = info.getColumn(0).getString();
            if (std::find(fields.begin(), fields.end(), field) != fields.end())
                continue;
            const std::string count = "SELECT COUNT(*) FROM " + quoted(table) + " WHERE " + quoted(field)
                + " IS NOT NULL AND " + quoted(field) + " <> ''";
            if (db.execAndGet(count).getInt64() > 0)
                filled << QString::fromStdString(table + '.' + field);
        }
    }
    return filled.join(u'\n');
}

void emptyNewFields(const QString &path)
{
    const QStringList fields = filledNewFields(path).split(u'\n', Qt::SkipEmptyParts);
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE);
    for (const QString &field : fields) {
        const QStringList parts = field.split(u'.');
        db.exec(QStringLiteral("UPDATE \"%1\" SET \"%2\" = CASE WHEN typeof(\"%2\") = 'text' THEN '' END")
                    .arg(parts[0], parts[1])
                    .toStdString());
    }
}

QString schemaText(const QString &path)
{
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
    QStringList lines;
    SQLite::Statement entries(db, "SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY type, name");
    while (entries.executeStep())
        lines << QStringList{entries.getColumn(0).getText(), entries.getColumn(1).getText(),
                             entries.getColumn(2).getText(), entries.getColumn(3).getText()}
                     .join(u'|');
    return lines.join(u'\n');
}
