#include "full_statement.h"

#include <cmath>

#include <QMap>
#include <QStringList>

#include <SQLiteCpp/SQLiteCpp.h>

#include "data/engine/database.h"
#include "data/engine/query.h"
#include "data/entry_lists.h"
#include "data/particulars.h"
#include "data/tdm1.h"

namespace {

struct Column
{
    QString name;
    QString type;
};

std::vector<Column> columnsOf(Database &db, const QString &table)
{
    std::vector<Column> columns;
    Query info(db, "SELECT name, type FROM pragma_table_info(:table)");
    info.bind(":table", table);
    while (info.next())
        columns.push_back({info.text(0), info.text(1)});
    return columns;
}

// Drop-down texts for the fields the totals compare, so every per-type total gets rows.
const QMap<QString, QStringList> &typeTexts()
{
    static const QMap<QString, QStringList> texts{
        {QStringLiteral("Investments.InvestmentType"),
         {QStringLiteral("Stock"), QStringLiteral("SEP/IRA"), QStringLiteral("Bond"), QStringLiteral("Other")}},
        {QStringLiteral("OtherAssets.Type"),
         {QStringLiteral("Restricted or Margin Account"), QStringLiteral("Accounts and Notes Receivable"),
          QStringLiteral("All Other Assets")}},
        {QStringLiteral("Incomes.Type"),
         {QStringLiteral("Salaries and Wages (Individual)"), QStringLiteral("Salaries and Wages (Spouse)"),
          QStringLiteral("Net Real Estate Income"), QStringLiteral("Dividends and Interest Income")}},
        {QStringLiteral("Expenditure.Type"),
         {QStringLiteral("Mortgage Payment"), QStringLiteral("Rental Payment"), QStringLiteral("Other Debt Service")}},
        {QStringLiteral("Cash.Type"), {QStringLiteral("Checking Account"), QStringLiteral("Savings Account")}},
        // The other fixed lists and the dates, so that the statement is one the windows could store.
        {QStringLiteral("Investments.Exchange"), {QStringLiteral("NYSE"), QStringLiteral("NASDAQ")}},
        {QStringLiteral("RealEstate.Type"), {QStringLiteral("Homestead"), QStringLiteral("Rental")}},
        {QStringLiteral("Contingent.Description"), {QStringLiteral("Guarantor"), QStringLiteral("Leases or Contracts")}},
        {QStringLiteral("Client.State"), {QStringLiteral("TX")}},
        {QStringLiteral("Client.SState"), {QStringLiteral("TX")}},
        {QStringLiteral("Client.DriversLicense_State"), {QStringLiteral("OK")}},
        {QStringLiteral("Client.SDriversLicense_State"), {QStringLiteral("NM")}},
        {QStringLiteral("Client.EState"), {QStringLiteral("CA")}},
        {QStringLiteral("Client.SEState"), {QStringLiteral("WA")}},
        {QStringLiteral("Client.MaritalStatus"), {QStringLiteral("Married")}},
        {QStringLiteral("Client.SMaritalStatus"), {QStringLiteral("Married")}},
        {QStringLiteral("Client.Birthday"), {QStringLiteral("04/12/1961")}},
        {QStringLiteral("Client.SBirthday"), {QStringLiteral("11/30/1963")}},
        {QStringLiteral("Contingent.Maturity"), {QStringLiteral("06/30/2031"), QStringLiteral("01/15/2029")}},
        // The fields of the lender's forms.
        {QStringLiteral("Client.BusinessType"), EntryLists::businessTypes()},
        {QStringLiteral("Client.BusinessState"), {QStringLiteral("NV")}},
        {QStringLiteral("Client.ProgramLoans"), {QStringLiteral("Yes")}},
        {QStringLiteral("Client.Program8a"), {QStringLiteral("No")}},
        {QStringLiteral("Client.ProgramWOSB"), {QStringLiteral("Yes")}},
        {QStringLiteral("Client.ProgramDisaster"), {QStringLiteral("No")}},
        {QStringLiteral("RealEstate.State"), {QStringLiteral("AZ"), QStringLiteral("CO")}},
        {QStringLiteral("RealEstate.DatePurchased"), {QStringLiteral("05/01/2004"), QStringLiteral("09/15/2017")}},
        {QStringLiteral("RealEstate.Occupancy"), EntryLists::occupancies()},
        {QStringLiteral("RealEstate.LienStatus"), EntryLists::lienStatuses()},
        {QStringLiteral("Bank.PaymentFrequency"), EntryLists::paymentFrequencies()},
        {QStringLiteral("Investments.QuotationDate"), {QStringLiteral("02/27/2026"), QStringLiteral("03/02/2026")}},
        {QStringLiteral("Contingent.Category"), EntryLists::contingentCategories()},
        {QStringLiteral("Other.Category"), EntryLists::otherLiabilityCategories()},
        {QStringLiteral("Taxes.DueDate"), {QStringLiteral("04/15/2026"), QStringLiteral("06/15/2026")}},
    };
    return texts;
}

// Every "Pledged?" list and the legal answers: Yes and No.
bool isYesNo(const QString &table, const QString &field)
{
    return field == QLatin1String("Pledged") || (table == QLatin1String("Legal") && !field.endsWith(QLatin1String("Explanation")));
}

// Returns the new row's rowid.
qint64 insertRow(Database &db, const QString &table, const QString &clientId, int row, int tableIndex)
{
    QStringList names;
    QStringList marks;
    std::vector<Column> columns;
    for (const Column &column : columnsOf(db, table)) {
        if (column.name == QLatin1String("Id"))
            continue;
        columns.push_back(column);
        names << u'"' + column.name + u'"';
        marks << QStringLiteral("?");
    }
    Query insert(db, QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                         .arg(table, names.join(u','), marks.join(u','))
                         .toStdString());
    const double amount = 1000.25 * (row + 1) + 37.5 * tableIndex;
    int index = 1;
    for (const Column &column : columns) {
        const QString key = table + u'.' + column.name;
        if (column.name == QLatin1String("ClientId"))
            insert.bind(index, clientId);
        else if (column.type == QLatin1String("REAL"))
            insert.bind(index, column.name.startsWith(QLatin1String("Percent")) ? 50.0 + row : amount);
        else if (column.type == QLatin1String("INTEGER"))
            insert.bind(index, qint64(std::llround(amount / 12 * 10000)));
        else if (typeTexts().contains(key))
            insert.bind(index, typeTexts()[key][row % typeTexts()[key].size()]);
        else if (isYesNo(table, column.name))
            insert.bind(index, QString::fromLatin1((row + tableIndex) % 2 ? "No" : "Yes"));
        else if (column.name == QLatin1String("JointStatement"))
            insert.bind(index, QStringLiteral("Yes"));
        else if (row == 0 && (column.name == QLatin1String("Description") || column.name == QLatin1String("Address")))
            insert.bind(index, TrickyText);
        else
            insert.bind(index, QStringLiteral("%1 %2").arg(column.name).arg(row + 1));
        ++index;
    }
    insert.exec();
    return insert.insertedRowid();
}

// The names, addresses and licences the particulars windows form when they store, so that
// the statement holds what a statement made in the windows holds.
void formDerivedParticulars(Tdm1 &dm, const QString &id)
{
    Table &client = dm.tblClient;
    const QString filter = client.Filter();
    const bool filtered = client.Filtered();
    client.SetFilter(QStringLiteral("Id = ") + id);
    client.SetFiltered(true);
    client.First();
    client.Edit();
    for (const Particulars::Side side : {Particulars::Side::Person, Particulars::Side::Spouse}) {
        Particulars::writeDerived(client, side);
        Particulars::writeEmploymentDerived(client, side);
    }
    client.Post();
    client.SetFilter(filter);
    client.SetFiltered(filtered);
    client.First();
}

} // namespace

QString writeFullStatement(Tdm1 &dm, int rowsPerTable, const QString &lastName)
{
    Database &db = dm.db1;
    Database::Transaction transaction(dm.db1); // one sync, not one per row
    const QString id = QString::number(insertRow(db, QStringLiteral("Client"), {}, 0, 0));
    Query names(db, "UPDATE Client SET LastName = ?1, SLastName = ?1, FirstName = 'Ada', SFirstName = 'Ben', MiddleInitial = '', SMiddleInitial = '', "
                    "FullName2 = 'Ada ' || ?1, SFullName2 = 'Ben ' || ?1, FullName = ?1 || ' Ada', "
                    "SFullName = ?1 || ' Ben' WHERE Id = ?2");
    names.bind(1, lastName);
    names.bind(2, id);
    names.exec();
    Query totals(db, "INSERT INTO FSPro (ClientId, Date, Description) VALUES (?, '03/14/2026', 'Ada Okafor')");
    totals.bind(1, id);
    totals.exec();
    int tableIndex = 0;
    for (const Table *table : dm.openOrder()) {
        const QString name = table->TableName();
        if (name == QLatin1String("User") || name == QLatin1String("Client") || name == QLatin1String("FSPro"))
            continue;
        const int rows = name == QLatin1String("Legal") ? 1 : rowsPerTable;
        for (int row = 0; row < rows; ++row)
            insertRow(db, name, id, row, tableIndex);
        ++tableIndex;
    }
    transaction.Commit();
    formDerivedParticulars(dm, id);
    return id;
}

void selectStatement(Tdm1 &dm, const QString &id)
{
    dm.tblClient.SetFilter(QStringLiteral("Id = ") + id);
    dm.tblClient.SetFiltered(true);
    dm.tblClient.First();
    dm.SelectStatement();
}

QString statementDump(const QString &databasePath, const QString &id)
{
    SQLite::Database connection(databasePath.toStdString(), SQLite::OPEN_READONLY);
    QStringList lines;
    SQLite::Statement tables(connection, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' "
                                         "AND name <> 'User' ORDER BY rowid");
    while (tables.executeStep()) {
        const QString table = QString::fromUtf8(tables.getColumn(0).getText());
        const QString where = table == QLatin1String("Client") ? QStringLiteral("Id = ") + id
                                                               : QStringLiteral("ClientId = '%1'").arg(id);
        SQLite::Statement rows(connection, QStringLiteral("SELECT * FROM \"%1\" WHERE %2 ORDER BY rowid").arg(table, where).toStdString());
        int count = 0;
        while (rows.executeStep()) {
            ++count;
            QStringList fields;
            for (int i = 0; i < rows.getColumnCount(); ++i) {
                const QString name = QString::fromUtf8(rows.getColumnName(i));
                if (name == QLatin1String("Id") || name == QLatin1String("ClientId"))
                    continue;
                const SQLite::Column value = rows.getColumn(i);
                const QString text = value.isNull() ? QStringLiteral("<null>")
                    : value.getType() == SQLite::FLOAT ? QString::number(value.getDouble(), 'g', 17)
                                                       : QString::fromUtf8(value.getText());
                fields << name + u'=' + text;
            }
            lines << table + u':' + fields.join(u'|');
        }
        lines << QStringLiteral("%1 rows: %2").arg(table).arg(count);
    }
    return lines.join(u'\n');
}
