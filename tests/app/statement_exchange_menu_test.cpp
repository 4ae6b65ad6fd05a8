#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include "app/statement_exchange_menu.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "recording_shell.h"
#include "scripted_file_chooser.h"
#include "support/app/main_window_fixture.h"
#include "support/crafted_files.h"
#include "support/file_aliases.h"
#include "support/full_statement.h"
#include "totals/totals.h"
#include "ui/db_grid.h"

namespace {

class StatementExchangeMenuTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        firstId = addStatement(databasePath, QStringLiteral("Okafor"));
        start();
        enterWithoutLogin();
    }

    static QString addStatement(const QString &path, const QString &lastName)
    {
        Tdm1 dm;
        dm.db1.SetDatabaseFileName(path);
        dm.db1.SetConnected(true);
        dm.OpenTables();
        const QString id = writeFullStatement(dm, 2, lastName);
        selectStatement(dm, id);
        RecalcAllTotals(dm);
        return id;
    }

    QAction *action(const QString &name)
    {
        for (QAction *a : grid()->actions())
            if (a->objectName() == name)
                return a;
        ADD_FAILURE() << "no action " << name.toStdString();
        return nullptr;
    }
    DBGrid *grid() { return child<DBGrid>(QStringLiteral("DBGrid1")); }
    int listedRows() { return grid()->model()->rowCount(); }
    QString work(const QString &name) const { return QDir(home.path()).filePath(name); }

    ScriptedFileChooser chooser;
    RecordingShell shell;
    QString firstId;
};

TEST_F(StatementExchangeMenuTest, TheListOffersTheFourCommandsInItsContextMenu)
{
    EXPECT_EQ(grid()->contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList texts;
    for (QAction *a : grid()->actions())
        texts << a->text();
    // The list's other commands (copy, compare) follow in the same menu.
    EXPECT_EQ(texts.mid(0, 4), QStringList({QStringLiteral("Export Statement File..."), QStringLiteral("Export CSV Files..."),
                                  QStringLiteral("Import Statement File..."),
                                  QStringLiteral("Add Statements from Another Database...")}));
}

TEST_F(StatementExchangeMenuTest, ExportedStatementComesBackAsANewStatementInTheList)
{
    grid()->selectRow(0);
    const QString json = work(QStringLiteral("okafor.json"));
    chooser.answers = {json, json};
    action(QStringLiteral("actExportJson"))->trigger();
    EXPECT_EQ(messages->last(), QStringLiteral("The statement was written to %1.").arg(json));
    EXPECT_EQ(chooser.titles.value(0), QStringLiteral("Export Statement File / Ada Okafor.json"));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(json).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    action(QStringLiteral("actImportJson"))->trigger();
    EXPECT_EQ(messages->last(), QStringLiteral("The statement of okafor.json was added."));
    EXPECT_EQ(listedRows(), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Client")), 2);
    const QString copy = text(QStringLiteral("SELECT MAX(Id) FROM Client"));
    EXPECT_EQ(statementDump(databasePath, copy), statementDump(databasePath, firstId));
    EXPECT_FALSE(main->dm1().tblClient.Filtered());
}

TEST_F(StatementExchangeMenuTest, AnEncryptedStatementFileAsksForItsPasswordAndAWrongOneAddsNothing)
{
    grid()->selectRow(0);
    const QString json = work(QStringLiteral("sealed.json"));
    chooser.answers = {json};
    chooser.passwords = {QStringLiteral("for the bank")};
    action(QStringLiteral("actExportJson"))->trigger();
    EXPECT_EQ(messages->last(), QStringLiteral("The statement was written to %1, encrypted with its password.").arg(json));
    EXPECT_EQ(chooser.titles.value(1), QStringLiteral("new password / Export Statement File"));
    QFile file(json);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("Okafor"));

    const struct
    {
        std::optional<QString> password;
        QString message; // empty: nothing shown
        int statements;
    } attempts[] = {
        {std::nullopt, {}, 1}, // the password window cancelled
        {QStringLiteral("for the Bank"), json + QStringLiteral(": Wrong password for this statement file."), 1},
        {QStringLiteral("for the bank"), QStringLiteral("The statement of sealed.json was added."), 2},
    };
    for (const auto &attempt : attempts) {
        SCOPED_TRACE(attempt.password.value_or(QStringLiteral("(cancelled)")).toStdString());
        messages->clear();
        chooser.titles.clear();
        chooser.answers = {json};
        chooser.passwords = {attempt.password};
        action(QStringLiteral("actImportJson"))->trigger();
        EXPECT_EQ(chooser.titles.value(1),
                  QStringLiteral("password / Import Statement File / sealed.json is encrypted. Type its password."));
        EXPECT_EQ(messages->shown().empty(), attempt.message.isEmpty());
        if (!attempt.message.isEmpty())
            EXPECT_EQ(messages->last(), attempt.message);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Client")), attempt.statements);
        EXPECT_EQ(listedRows(), attempt.statements);
    }
    const QString copy = text(QStringLiteral("SELECT MAX(Id) FROM Client"));
    EXPECT_EQ(statementDump(databasePath, copy), statementDump(databasePath, firstId));
}

TEST_F(StatementExchangeMenuTest, CsvFilesGoIntoTheChosenFolder)
{
    grid()->selectRow(0);
    const QString folder = work(QStringLiteral("csv"));
    ASSERT_TRUE(QDir().mkpath(folder));
    shell.choose(folder);
    action(QStringLiteral("actExportCsv"))->trigger();
    EXPECT_EQ(messages->last(), QStringLiteral("19 CSV files, one per table, were written to %1.").arg(folder));
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/Cash.csv")));
    // Before anything is written the chooser says the files are not protected.
    ASSERT_EQ(shell.choosers().size(), 1u);
    EXPECT_TRUE(shell.choosers()[0].title.contains(QStringLiteral("plain text, not encrypted")));
}

TEST_F(StatementExchangeMenuTest, MergeCountsWhatWasAddedAndTheListShowsIt)
{
    QTemporaryDir otherFolder;
    const QString other = otherFolder.filePath(QStringLiteral("wks.ABS"));
    ASSERT_TRUE(createDatabaseFile(other));
    addStatement(other, QStringLiteral("Abara"));
    chooser.answers = {other};
    action(QStringLiteral("actMerge"))->trigger();
    EXPECT_EQ(messages->last(), QStringLiteral("1 statement with 33 rows was added from wks.ABS."));
    EXPECT_EQ(listedRows(), 2);
}

TEST_F(StatementExchangeMenuTest, ARefusedFileShowsWhyAndTheListStaysAsItWas)
{
    const QString bad = work(QStringLiteral("bad.json"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": \"Worthsheet statement\", \"version\": 1, \"statement\": {\"Client\": {\"Shoe\": 1}}}");
    file.close();
    chooser.answers = {bad};
    action(QStringLiteral("actImportJson"))->trigger();
    ASSERT_FALSE(messages->shown().empty());
    EXPECT_EQ(messages->shown().back().kind, Messages::Kind::Error);
    EXPECT_EQ(messages->last(), bad + QStringLiteral(": $.statement.Client.Shoe: Client has no field Shoe"));
    EXPECT_EQ(listedRows(), 1);

    // Cancelled dialogs do nothing at all.
    messages->clear();
    for (const char *name : {"actExportJson", "actImportJson", "actMerge", "actExportCsv"})
        action(QString::fromLatin1(name))->trigger();
    EXPECT_TRUE(messages->shown().empty());
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Client")), 1);
}

TEST_F(StatementExchangeMenuTest, NoExportWritesOverTheFileInUseNorIsItMergedIntoItself)
{
    grid()->selectRow(0);
    const QByteArray before = fileDigest(databasePath);
    QTemporaryDir elsewhere;
    for (const FileAlias &alias : aliasesOf(databasePath, elsewhere.path())) {
        SCOPED_TRACE(alias.form);
        messages->clear();
        chooser.answers = {alias.path};
        action(QStringLiteral("actExportJson"))->trigger();
        // The CSV folder's first file leads to the database.
        const QString csvFolder = folderLinkingTo(alias, elsewhere.path(), QStringLiteral("Client.csv"));
        shell.choose(csvFolder);
        action(QStringLiteral("actExportCsv"))->trigger();
        if (alias.exists) {
            chooser.answers = {alias.path};
            action(QStringLiteral("actMerge"))->trigger();
        }
        ASSERT_EQ(messages->shown().size(), alias.exists ? 3u : 2u);
        for (const auto &shown : messages->shown())
            EXPECT_EQ(shown.kind, Messages::Kind::Error);
        const QStringList texts = messages->texts();
        EXPECT_TRUE(texts[0].startsWith(alias.path + QStringLiteral(" is the "))) << texts[0].toStdString();
        EXPECT_TRUE(texts[1].startsWith(csvFolder + QStringLiteral("/Client.csv "))) << texts[1].toStdString();
        if (alias.exists)
            EXPECT_EQ(messages->last(), alias.path + QStringLiteral(" is the file in use; its statements are already here"));
        EXPECT_EQ(QDir(csvFolder).entryList(QDir::Files | QDir::System), QStringList{QStringLiteral("Client.csv")});
        EXPECT_EQ(fileDigest(databasePath), before);
    }
    EXPECT_EQ(listedRows(), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Client")), 1);
}

} // namespace
