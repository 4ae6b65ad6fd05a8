#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "support/temp_database.h"

// A data-module test with a full joint statement whose totals the program formed, and ways
// to compare statements through SQL, behind the exchange code's back.
class ExchangeTest : public DataModuleTest
{
protected:
    void SetUp() override;

    // A full statement with its totals formed by the recomputations; returns its Id.
    QString addFullStatement(const QString &lastName = QStringLiteral("Okafor"), int rowsPerTable = 4);

    // Every row of the statement in every table, keys and ClientId left out, as text: two
    // statements with equal dumps are equal field for field.
    QString dump(const QString &id) const;
    qint64 statementCount() const;
    // The whole file, byte for byte.
    QByteArray fileBytes() const;
    // A totals field of the statement and the SQL sum of a detail field.
    double storedTotal(const QString &id, const QString &field) const;
    double sum(const QString &id, const QString &table, const QString &expression) const;
    // Writes text into a file in the test's folder and returns its path.
    QString writeFile(const QString &name, const QByteArray &content) const;

    QString fullId;
};
