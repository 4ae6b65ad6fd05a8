#include "statement_name.h"

#include "engine/query.h"
#include "engine/table.h"
#include "particulars.h"
#include "tdm1.h"

StatementName currentStatementName(Tdm1 &dm)
{
    Table &client = dm.tblClient;
    StatementName name;
    // A statement being created has neither yet.
    if (!client.Active() || client.state() == Table::State::Insert || !client.hasCurrentRow())
        return name;
    const auto text = [&client](const char *field) {
        return client.FieldByName(QLatin1String(field)).AsString().trimmed();
    };
    name.holder = text("FullName2");
    // A row stored by another program may lack the texts formed on each save.
    if (name.holder.isEmpty())
        name.holder = Particulars::firstNameFirst(text("FirstName"), text("MiddleInitial"), text("LastName")).trimmed();
    // Read from the file: the totals row need not be the one the totals table shows.
    const QString id = text("Id");
    if (id.isEmpty())
        return name;
    Query query(dm.db1, "SELECT Date FROM FSPro WHERE ClientId = :id ORDER BY rowid LIMIT 1");
    query.bind(":id", id);
    if (query.next())
        name.date = query.text(0).trimmed();
    return name;
}

QString describeStatement(const StatementName &name)
{
    if (name.date.isEmpty())
        return name.holder;
    const QString date = QStringLiteral("as of ") + name.date;
    return name.holder.isEmpty() ? date : name.holder + QStringLiteral(", ") + date;
}
