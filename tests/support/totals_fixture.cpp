#include "totals_fixture.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include "data/engine/table.h"

const QStringList &statementTableNames()
{
    static const QStringList names = {"FSPro",          "Cash",           "Investments", "RealEstate",
                                      "Auto",           "LifeInsurance",  "PersonalAssets",
                                      "BusinessAssets", "OtherAssets",    "Autos2",      "Bank",
                                      "CreditCards",    "Taxes",          "Other",       "Contingent",
                                      "Incomes",        "Expenditure",    "Legal"};
    return names;
}

QString TotalsTest::addStatement(const QString &first, const QString &last)
{
    const QString id = addClient(first, last);
    addTotalsRow(id);
    select(id);
    return id;
}

void TotalsTest::select(const QString &id)
{
    moveListTo(id);
    dm->SelectStatement();
}

void TotalsTest::moveListTo(const QString &id)
{
    dm->ClearStatementFilters();
    Table &client = dm->tblClient;
    for (client.First(); !client.Eof(); client.Next())
        if (client.FieldByName(QStringLiteral("Id")).AsString() == id)
            break;
    ASSERT_EQ(client.FieldByName(QStringLiteral("Id")).AsString(), id);
}

void TotalsTest::addRow(Table &table, const QString &clientId, const Values &values)
{
    table.Append();
    table.FieldByName(QStringLiteral("ClientId")).SetAsString(clientId);
    for (const auto &[name, value] : values) {
        if (value.typeId() == QMetaType::Double)
            table.FieldByName(name).SetAsFloat(value.toDouble());
        else
            table.FieldByName(name).SetAsString(value.toString());
    }
    table.Post();
}

void TotalsTest::fillEveryTable(const QString &id)
{
    if (id.isEmpty())
        addRow(dm->tblFSPro, id, {{"CashOnHand", 1.0}});
    addRow(dm->tblCash, id, {{"Balance", 100.0}});
    addRow(dm->tblInvestments, id, {{"InvestmentType", "Stock"}, {"MarketValue", 200.0}});
    addRow(dm->tblRealEstate, id, {{"PercentOwned", 100.0}, {"MarketValue", 300.0}});
    addRow(dm->tblAuto, id, {{"CurrentValue", 400.0}});
    addRow(dm->tblLifeInsurance, id, {{"CashValue", 500.0}});
    addRow(dm->tblPersonalAssets, id, {{"Value", 600.0}});
    addRow(dm->tblBusinessAssets, id, {{"Value", 700.0}});
    addRow(dm->tblOtherAssets, id, {{"Value", 800.0}});
    addRow(dm->tblAuto2, id, {{"LoanBalance", 900.0}});
    addRow(dm->tblBank, id, {{"Amount", 1000.0}});
    addRow(dm->tblCreditCards, id, {{"CurrentBalance", 1100.0}});
    addRow(dm->tblTaxes, id, {{"Amount", 1200.0}});
    addRow(dm->tblOther, id, {{"Amount", 1300.0}});
    addRow(dm->tblContingent, id, {{"Amount", 1400.0}});
    addRow(dm->tblIncomes, id, {{"Type", "All Other Income"}, {"Amount", 1500.0}});
    addRow(dm->tblExpenditure, id, {{"Type", "Rental Payment"}, {"Amount", 1600.0}});
    addRow(dm->tblLegal, id, {{"Will", "Yes"}});
}

double TotalsTest::stored(const QString &clientId, const QString &field) const
{
    return db.number(QStringLiteral("SELECT \"%1\" FROM FSPro WHERE ClientId = '%2'").arg(field, clientId));
}

bool TotalsTest::storedIsEmpty(const QString &clientId, const QString &field) const
{
    return db.count(QStringLiteral("SELECT COUNT(*) FROM FSPro WHERE ClientId = '%2' AND \"%1\" IS NULL")
                        .arg(field, clientId))
        > 0;
}

qint64 TotalsTest::rowsOf(const QString &clientId) const
{
    qint64 rows = db.count(QStringLiteral("SELECT COUNT(*) FROM Client WHERE Id = '%1'").arg(clientId));
    for (const QString &table : statementTableNames())
        rows += db.count(QStringLiteral("SELECT COUNT(*) FROM \"%1\" WHERE ClientId = '%2'").arg(table, clientId));
    return rows;
}

QString TotalsTest::snapshot() const
{
    SQLite::Database connection(db.path().toStdString(), SQLite::OPEN_READONLY);
    SQLite::Statement tables(connection, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
    QString text;
    while (tables.executeStep()) {
        const std::string name = tables.getColumn(0).getString();
        text += QString::fromStdString(name) + u'\n';
        SQLite::Statement rows(connection, "SELECT * FROM \"" + name + "\" ORDER BY rowid");
        while (rows.executeStep()) {
            for (int c = 0; c < rows.getColumnCount(); ++c)
                text += QString::fromStdString(rows.getColumn(c).getString()) + u'|';
            text += u'\n';
        }
    }
    return text;
}

void TotalsTest::execBehindEngine(const QString &sql)
{
    db.exec(sql);
    reopen();
}

void TotalsTest::expectUnfilteredOnFirstRow()
{
    for (Table *table : dm->unfilterOrder()) {
        SCOPED_TRACE(table->TableName().toStdString());
        EXPECT_FALSE(table->Filtered());
        const auto first = table->readRows(std::nullopt, 1);
        ASSERT_EQ(table->hasCurrentRow(), !first.empty());
        if (!first.empty())
            EXPECT_EQ(table->currentKey().rowid, first.front().rowid);
    }
}

void TotalsTest::installFaultCountdown()
{
    QString sql = "CREATE TABLE fault (n INTEGER); INSERT INTO fault VALUES (0);";
    for (const QString &table : statementTableNames() + QStringList{"Client"}) {
        for (const char *op : {"INSERT", "UPDATE", "DELETE"}) {
            sql += QString("CREATE TRIGGER \"fault_%1_%2\" BEFORE %2 ON \"%1\" WHEN (SELECT n FROM fault) > 0 "
                           "BEGIN UPDATE fault SET n = n - 1; "
                           "SELECT RAISE(ABORT, 'injected fault') WHERE (SELECT n FROM fault) = 0; END;")
                       .arg(table, op);
        }
    }
    execBehindEngine(sql);
}

void TotalsTest::armFault(int writes)
{
    db.exec(QString("UPDATE fault SET n = %1").arg(writes));
}
