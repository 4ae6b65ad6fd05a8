#pragma once

#include <QString>

// Statement databases made to be refused: each writes at path a file of ours with one thing
// added or changed that the program must never accept.
struct CraftedFile
{
    const char *name;
    void (*make)(const QString &path);
    // Whether the cheap check at start-up can see it (an index that disagrees with its
    // table takes the full check a restore runs).
    bool seenAtStartUp;
};

// A trigger on a detail table, a trigger on FSPro, a view, an extra index, an unknown
// user_version, an index that disagrees with its table, a 4 GiB sparse file with our header.
extern const CraftedFile CraftedFiles[];
extern const int CraftedFileCount;

// Overwrites the root page of the table or index of that name with bytes SQLite cannot read.
void overwriteRootPage(const QString &path, const QString &name);

// A statement database with one statement and, each damaged in one way that the check at
// start-up cannot see: the root page of the Incomes_ClientId index overwritten (nothing
// reads it while the tables open), and an index that disagrees with its table.
void damagedIndexPage(const QString &path);
void anIndexThatLies(const QString &path);

// Adds to the statement database at path one statement with income and expense rows.
void fillOneStatement(const QString &path);

// A digest of the file's bytes (empty when it cannot be read). Of a file larger than 64 MiB
// (the sparse one) only its size, first and last MiB count, so no test reads gigabytes.
QByteArray fileDigest(const QString &path);
