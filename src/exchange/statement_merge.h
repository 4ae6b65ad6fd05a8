#pragma once

#include <QString>
#include <QStringList>

class Tdm1;

struct MergeResult
{
    int statements = 0;
    qint64 detailRows = 0;
    QStringList ids; // the new statements' Ids
};

// Adds every statement of another statement database file as a new statement of the data
// module's file, in one transaction. The other file is first checked as restore checks a
// backup, then read through an immutable connection that writes nothing, neither the file
// nor anything beside it. Every value is held to the rules of an imported statement file
// (StatementRules). A refused file throws ExchangeError naming the file and the place of
// what is wrong (valuePlace), and nothing is stored.
MergeResult mergeStatementFile(Tdm1 &dm, const QString &path);

// "3 statements with 45 rows were added from <file>." for the user.
QString mergeResultText(const MergeResult &result, const QString &path);
