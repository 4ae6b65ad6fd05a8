// Which paths an output may not take: the database in use, its journals, open files.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "data/engine/file_copy.h"
#include "data/engine/file_identity.h"
#include "support/crafted_files.h"
#include "support/file_aliases.h"
#include "support/temp_database.h"

namespace {

TEST(FileIdentity, EveryWayToTheConnectedDatabaseOrItsJournalIsRefused)
{
    TempDatabase db;
    QTemporaryDir elsewhere;
    const std::vector<FileAlias> aliases = aliasesOf(db.path(), elsewhere.path());
    const QString copy = elsewhere.filePath(QStringLiteral("copy.ABS"));
    ASSERT_TRUE(QFile::copy(db.path(), copy));
    // Near misses: a copy is another file, and new names beside the database are free.
    const QString beside = QDir(db.folder()).filePath(QStringLiteral("wks.ABS.pdf"));
    const QString linkToNewName = elsewhere.filePath(QStringLiteral("link-to-new.pdf"));
    ASSERT_TRUE(QFile::link(QDir(db.folder()).filePath(QStringLiteral("statement.pdf")), linkToNewName));
    const QStringList free{copy, beside, linkToNewName, elsewhere.filePath(QStringLiteral("new.json"))};

    for (const FileAlias &alias : aliases)
        EXPECT_TRUE(outputRefusal(alias.path).isEmpty()) << alias.form << ": nothing is protected before connecting";
    {
        Tdm1 dm;
        dm.db1.SetDatabaseFileName(db.path());
        dm.db1.SetConnected(true);
        for (const FileAlias &alias : aliases) {
            const QString refusal = outputRefusal(alias.path);
            EXPECT_TRUE(refusal.startsWith(alias.path + QStringLiteral(" is the ")))
                << alias.form << ": " << refusal.toStdString();
            // The names where no file is yet are those of the journals.
            EXPECT_EQ(refusal.contains(QStringLiteral(" is the journal of ")), !alias.exists) << refusal.toStdString();
            EXPECT_EQ(isSameFile(alias.path, db.path()), alias.exists) << alias.form;
        }
        for (const QString &path : free) {
            EXPECT_TRUE(outputRefusal(path).isEmpty()) << path.toStdString();
            EXPECT_FALSE(isSameFile(path, db.path())) << path.toStdString();
        }
    }
    for (const FileAlias &alias : aliases)
        EXPECT_TRUE(outputRefusal(alias.path).isEmpty()) << alias.form << ": protection ends with the connection";
}

TEST(FileIdentity, AFileTheProgramHoldsOpenIsRefusedUntilItIsClosed)
{
    QTemporaryDir dir;
    QFile open(dir.filePath(QStringLiteral("reading.json")));
    ASSERT_TRUE(open.open(QIODevice::WriteOnly));
    const QString link = dir.filePath(QStringLiteral("link.json"));
    ASSERT_TRUE(QFile::link(open.fileName(), link));
    EXPECT_EQ(outputRefusal(link), link + QStringLiteral(" is a file the program holds open; choose another file"));
    open.close();
    EXPECT_TRUE(outputRefusal(link).isEmpty());
}

TEST(FileIdentity, AFileIsNeverCopiedOntoItself)
{
    TempDatabase db;
    QTemporaryDir elsewhere;
    const QByteArray before = fileDigest(db.path());
    for (const FileAlias &alias : aliasesOf(db.path(), elsewhere.path())) {
        if (!alias.exists)
            continue;
        QString error;
        EXPECT_FALSE(copyFileReplacing(db.path(), alias.path, &error)) << alias.form;
        EXPECT_TRUE(error.contains(QStringLiteral("a file is not copied onto itself"))) << error.toStdString();
        EXPECT_TRUE(QFileInfo(alias.path).isFile()) << alias.form;
    }
    EXPECT_EQ(fileDigest(db.path()), before);
    EXPECT_EQ(QDir(db.folder()).entryList(QDir::Files), QStringList{QStringLiteral("wks.ABS")});
}

} // namespace
