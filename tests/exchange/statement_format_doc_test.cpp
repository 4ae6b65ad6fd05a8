#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

#include "exchange/statement_json.h"
#include "exchange/statement_record.h"
#include "exchange/statement_rules.h"
#include "exchange_fixture.h"

namespace {

QString schemaPath()
{
    return QStringLiteral(WORTHSHEET_DOCS_DIR "/statement-format.schema.json");
}

QJsonObject schema()
{
    QFile file(schemaPath());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << schemaPath().toStdString();
    return QJsonDocument::fromJson(file.readAll()).object();
}

QJsonObject schemaTables()
{
    return schema().value(QStringLiteral("properties")).toObject().value(QStringLiteral("statement")).toObject()
        .value(QStringLiteral("properties")).toObject();
}

QJsonObject rowProperties(const QJsonObject &table)
{
    const QJsonObject row = table.contains(QStringLiteral("items")) ? table.value(QStringLiteral("items")).toObject() : table;
    return row.value(QStringLiteral("properties")).toObject();
}

TEST(StatementFormatDocument, TheJsonSchemaListsExactlyTheProgramsTablesFieldsAndListEntries)
{
    const QJsonObject tables = schemaTables();
    const QJsonObject defs = schema().value(QStringLiteral("$defs")).toObject();
    std::vector<const ExchangeTable *> expected{&statementClientTable(), &statementTotalsTable()};
    for (const ExchangeTable &table : statementDetailTables())
        expected.push_back(&table);
    EXPECT_EQ(tables.size(), qsizetype(expected.size()));
    for (const ExchangeTable *table : expected) {
        const QJsonObject fields = rowProperties(tables.value(table->name).toObject());
        EXPECT_EQ(fields.size(), qsizetype(table->fields.size())) << table->name.toStdString();
        for (const ExchangeField &field : table->fields) {
            const std::string where = (table->name + u'.' + field.name).toStdString();
            const QString ref = fields.value(field.name).toObject().value(QStringLiteral("$ref")).toString();
            if (const QStringList *entries = StatementRules::fixedEntries(table->name, field.name)) {
                ASSERT_TRUE(ref.startsWith(QStringLiteral("#/$defs/"))) << where;
                QJsonArray listed{QJsonValue::Null, QString()};
                for (const QString &entry : *entries)
                    listed.append(entry);
                EXPECT_EQ(defs.value(ref.mid(8)).toObject().value(QStringLiteral("enum")).toArray(), listed) << where;
                continue;
            }
            const QString kind = StatementRules::isDateField(table->name, field.name) ? QStringLiteral("date")
                : field.kind == FieldKind::Text                                        ? QStringLiteral("text")
                : field.kind == FieldKind::Float                                       ? QStringLiteral("amount")
                                                                                       : QStringLiteral("monthlyAmount");
            EXPECT_EQ(ref, QStringLiteral("#/$defs/") + kind) << where;
        }
    }
}

class StatementFormatValidation : public ExchangeTest
{
};

TEST_F(StatementFormatValidation, AnExportedFileIsValidByTheJsonSchema)
{
    QProcess probe;
    probe.start(QStringLiteral("python3"), {QStringLiteral("-c"), QStringLiteral("import jsonschema")});
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        GTEST_SKIP() << "python3 with jsonschema is not installed";
    const QString json = db.folder() + QStringLiteral("/statement.json");
    exportStatementJson(*dm, fullId, json);
    const auto validate = [&](const QString &path) {
        QProcess python;
        python.start(QStringLiteral("python3"),
                     {QStringLiteral("-c"),
                      QStringLiteral("import json, sys, jsonschema\n"
                                     "jsonschema.validate(json.load(open(sys.argv[2])), json.load(open(sys.argv[1])))"),
                      schemaPath(), path});
        EXPECT_TRUE(python.waitForFinished(30000));
        return python.exitCode() == 0 ? QString() : QString::fromUtf8(python.readAllStandardError()).right(300);
    };
    EXPECT_EQ(validate(json).toStdString(), "");
    // The schema refuses what the program refuses.
    QFile file(json);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    const QString bad = writeFile(QStringLiteral("bad.json"), text.replace("\"Balance\": 1000.25", "\"Balance\": \"1000.25\""));
    EXPECT_NE(validate(bad), QString());
}

} // namespace
