#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/stat.h>

#include <SQLiteCpp/SQLiteCpp.h>

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/shell.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "print/engine/composite_report.h"
#include "print/run_pages.h"
#include "support/crafted_files.h"
#include "support/file_aliases.h"
#include "support/full_statement.h"
#include "support/scoped_environment.h"
#include "totals/totals.h"

namespace {

struct Outcome
{
    int code = -1;
    QString out;
    QString err;
};

// The command line on a statement database at the place the window program looks.
class CommandLineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dataHome = std::make_unique<ScopedEnvironment>("XDG_DATA_HOME", home.path().toUtf8());
        databasePath = Tdm1::DatabaseFileCandidates().first();
        ASSERT_FALSE(QFileInfo::exists(Tdm1::DatabaseFileCandidates().last()));
    }

    void createDatabase()
    {
        QString error;
        ASSERT_TRUE(createDatabaseFile(databasePath, &error)) << error.toStdString();
    }

    // A full joint statement with its totals, written as the program would.
    QString addStatement(const QString &lastName, int rowsPerTable = 4)
    {
        Tdm1 dm;
        dm.db1.SetDatabaseFileName(databasePath);
        dm.db1.SetConnected(true);
        dm.OpenTables();
        const QString id = writeFullStatement(dm, rowsPerTable, lastName);
        selectStatement(dm, id);
        RecalcAllTotals(dm);
        return id;
    }

    void storeLogin(const QString &user, const QString &password)
    {
        SQLite::Database file(databasePath.toStdString(), SQLite::OPEN_READWRITE);
        SQLite::Statement insert(file, "INSERT INTO User (User, Password) VALUES (?, ?)");
        insert.bind(1, user.toStdString());
        insert.bind(2, password.toStdString());
        insert.exec();
    }

    Outcome run(const QStringList &arguments)
    {
        Outcome outcome;
        QTextStream out(&outcome.out);
        QTextStream err(&outcome.err);
        outcome.code = CommandLine::run(arguments, out, err);
        return outcome;
    }

    QString path(const QString &name) const { return QDir(work.path()).filePath(name); }
    QByteArray databaseBytes() const
    {
        QFile file(databasePath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    qint64 statements() const
    {
        SQLite::Database file(databasePath.toStdString(), SQLite::OPEN_READONLY);
        return file.execAndGet("SELECT COUNT(*) FROM Client").getInt64();
    }
    // The PDF's text, one entry per page, through poppler's pdftotext, opened with the
    // password when one is given; nothing when it does not open.
    QStringList pdfPages(const QString &pdf, const QString &password = {})
    {
        QStringList arguments{QStringLiteral("-layout")};
        if (!password.isEmpty())
            arguments << QStringLiteral("-upw") << password;
        QProcess text;
        text.start(QStringLiteral("pdftotext"), arguments << pdf << QStringLiteral("-"));
        EXPECT_TRUE(text.waitForFinished(30000));
        if (text.exitCode() != 0)
            return {};
        QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(u'\f');
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }

    // An error outcome: the exit code, the message on stderr and nothing on stdout.
    void expectError(const Outcome &outcome, int code, const QString &fragment)
    {
        EXPECT_EQ(outcome.code, code) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.startsWith(QStringLiteral("worthsheet: "))) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains(fragment)) << outcome.err.toStdString() << " lacks " << fragment.toStdString();
        EXPECT_TRUE(outcome.out.isEmpty()) << outcome.out.toStdString();
    }

    QTemporaryDir home;
    QTemporaryDir work;
    std::unique_ptr<ScopedEnvironment> dataHome;
    QString databasePath;
};

TEST_F(CommandLineTest, HelpAndVersionNeedNoDatabase)
{
    const Outcome help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    for (const char *verb : {"--list", "--export-json ID FILE", "--import-json FILE", "--pdf ID FILE", "--blank-form FILE",
                             "--user NAME --password-file FILE", "--pdf-password-file FILE", "--mask", "--json-password-file FILE"})
        EXPECT_TRUE(help.out.contains(QLatin1String(verb))) << verb;
    const Outcome version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, QStringLiteral("Worthsheet %1\n").arg(GetProgramVersion()));
    EXPECT_TRUE(version.err.isEmpty());
}

TEST_F(CommandLineTest, ArgumentsNotUnderstoodExitWithTwo)
{
    expectError(run({QStringLiteral("--frobnicate")}), CommandLine::Usage, QStringLiteral("unknown argument --frobnicate"));
    expectError(run({QStringLiteral("--pdf"), QStringLiteral("1")}), CommandLine::Usage, QStringLiteral("--pdf needs 2"));
    // An option is never taken for an operand.
    expectError(run({QStringLiteral("--export-json"), QStringLiteral("1"), QStringLiteral("--user"), QStringLiteral("ada")}),
                CommandLine::Usage, QStringLiteral("--export-json needs 2"));
    expectError(run({QStringLiteral("--list"), QStringLiteral("--help")}), CommandLine::Usage, QStringLiteral("one verb"));
    expectError(run({QStringLiteral("--list"), QStringLiteral("--password"), QStringLiteral("secret")}), CommandLine::Usage,
                QStringLiteral("never given as an argument"));
    expectError(run({QStringLiteral("--user")}), CommandLine::Usage, QStringLiteral("--user needs a value"));
}

TEST_F(CommandLineTest, ListShowsEveryStatementWithItsNetWorthAsMoney)
{
    createDatabase();
    const QString zeta = addStatement(QStringLiteral("Zeller"), 1);
    const QString abel = addStatement(QStringLiteral("Abel"), 2);
    {
        SQLite::Database file(databasePath.toStdString(), SQLite::OPEN_READWRITE);
        file.exec(QStringLiteral("UPDATE FSPro SET NetWorth = 1234567.891 WHERE ClientId = '%1'").arg(abel).toStdString());
        file.exec(QStringLiteral("UPDATE FSPro SET NetWorth = -150000 WHERE ClientId = '%1'").arg(zeta).toStdString());
    }
    const Outcome list = run({QStringLiteral("--list")});
    ASSERT_EQ(list.code, 0) << list.err.toStdString();
    // As the overview shows them.
    EXPECT_EQ(list.out, QStringLiteral("Id\tLast name\tFirst name\tDate\tNet worth\n"
                                       "%1\tAbel\tAda\t03/14/2026\t$1,234,567.89\n"
                                       "%2\tZeller\tAda\t03/14/2026\t-$150,000.00\n")
                            .arg(abel, zeta));
}

TEST_F(CommandLineTest, ExportedAndImportedStatementEqualsItsSource)
{
    createDatabase();
    const QString id = addStatement(QStringLiteral("Okafor"));
    const QString json = path(QStringLiteral("okafor.json"));
    const Outcome exported = run({QStringLiteral("--export-json"), id, json});
    ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(json).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    const Outcome imported = run({QStringLiteral("--import-json"), json});
    ASSERT_EQ(imported.code, 0) << imported.err.toStdString();
    const QString copy = imported.out.trimmed();
    EXPECT_NE(copy, id);
    EXPECT_EQ(statements(), 2);
    EXPECT_EQ(statementDump(databasePath, copy), statementDump(databasePath, id));

    const QString csv = path(QStringLiteral("csv"));
    ASSERT_TRUE(QDir().mkpath(csv));
    EXPECT_EQ(run({QStringLiteral("--export-csv"), copy, csv}).code, 0);
    EXPECT_EQ(QDir(csv).entryList(QDir::Files).size(), 19);
}

TEST_F(CommandLineTest, AnEncryptedStatementFileIsWrittenAndReadWithItsPasswordFile)
{
    createDatabase();
    const QString id = addStatement(QStringLiteral("Okafor"), 1);
    const auto passwordFile = [this](const QString &name, const QByteArray &content) {
        const QString file = path(name);
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(content);
        EXPECT_TRUE(out.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        return file;
    };
    const QString right = passwordFile(QStringLiteral("right"), "Gr\xc3\xbc\xc3\x9f Gott\r\n");
    const QString wrong = passwordFile(QStringLiteral("wrong"), "Gruss Gott\n");
    const QString json = path(QStringLiteral("okafor.json"));
    const Outcome exported = run({QStringLiteral("--export-json"), id, json, QStringLiteral("--json-password-file"), right});
    ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
    QFile file(json);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("Okafor"));

    const QByteArray before = databaseBytes();
    expectError(run({QStringLiteral("--import-json"), json}), CommandLine::Failed,
                QStringLiteral("%1 is encrypted; give its password with --json-password-file FILE").arg(json));
    expectError(run({QStringLiteral("--import-json"), json, QStringLiteral("--json-password-file"), wrong}),
                CommandLine::Failed, QStringLiteral("Wrong password for this statement file."));
    EXPECT_EQ(databaseBytes(), before);
    const Outcome imported = run({QStringLiteral("--import-json"), json, QStringLiteral("--json-password-file"), right});
    ASSERT_EQ(imported.code, 0) << imported.err.toStdString();
    EXPECT_EQ(statementDump(databasePath, imported.out.trimmed()), statementDump(databasePath, id));

    expectError(run({QStringLiteral("--list"), QStringLiteral("--json-password-file"), right}), CommandLine::Usage,
                QStringLiteral("--json-password-file goes only with --export-json and --import-json"));
}

TEST_F(CommandLineTest, MergeAddsTheOtherFilesStatements)
{
    createDatabase();
    addStatement(QStringLiteral("Okafor"), 1);
    // The other file, made at the same place first and then moved aside.
    const QString other = path(QStringLiteral("other.ABS"));
    addStatement(QStringLiteral("Abara"), 1);
    ASSERT_TRUE(QFile::copy(databasePath, other));
    const Outcome merged = run({QStringLiteral("--merge"), other});
    ASSERT_EQ(merged.code, 0) << merged.err.toStdString();
    EXPECT_EQ(merged.out, QStringLiteral("2 statements with 34 rows were added from other.ABS.\n"));
    EXPECT_EQ(statements(), 4);
}

TEST_F(CommandLineTest, PdfHoldsTheStatementRunsPages)
{
    createDatabase();
    const QString id = addStatement(QStringLiteral("Okafor"));
    const QString pdf = path(QStringLiteral("statement.pdf"));
    const Outcome printed = run({QStringLiteral("--pdf"), id, pdf});
    ASSERT_EQ(printed.code, 0) << printed.err.toStdString();
    EXPECT_TRUE(printed.out.isEmpty());
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(pdf).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    const QStringList pages = pdfPages(pdf);
    // Joint summary, joint Section 4 and the three schedules, each at least one sheet: the
    // sheets of the print window's joint run.
    ASSERT_GE(pages.size(), 5);
    {
        Tdm1 dm;
        dm.db1.SetDatabaseFileName(databasePath);
        dm.db1.SetConnected(true);
        dm.OpenTables();
        selectStatement(dm, id);
        RunPages run = createRunPages(PrintRun::Joint, dm);
        Report::CompositeReport composite;
        composite.setAddReports([&run](Report::CompositeReport &c) {
            for (const auto &page : run)
                c.addReport(page.get());
        });
        EXPECT_EQ(composite.layout().pageCount(), pages.size());
    }
    const QString text = pages.join(u'\n');
    EXPECT_TRUE(text.contains(QStringLiteral("Okafor"))) << text.left(400).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Ben"))); // the spouse: the joint pages
    EXPECT_TRUE(text.contains(QStringLiteral("03/14/2026")));
    // Both lines of a text typed with a line break.
    EXPECT_TRUE(text.contains(QStringLiteral("Smith, \"Jr.\""))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("second line; Zo\u00eb \u20ac 50%"))) << text.toStdString();

    EXPECT_TRUE(text.contains(QStringLiteral("Spouse Information")));

    // Without the spouse's last name the print window prints the personal pages; so does --pdf.
    {
        SQLite::Database file(databasePath.toStdString(), SQLite::OPEN_READWRITE);
        file.exec("UPDATE Client SET SLastName = ''");
    }
    const QString personal = path(QStringLiteral("personal.pdf"));
    ASSERT_EQ(run({QStringLiteral("--pdf"), id, personal}).code, 0);
    EXPECT_FALSE(pdfPages(personal).join(u'\n').contains(QStringLiteral("Spouse Information")));

    const QString blank = path(QStringLiteral("blank.pdf"));
    const Outcome form = run({QStringLiteral("--blank-form"), blank});
    ASSERT_EQ(form.code, 0) << form.err.toStdString();
    EXPECT_EQ(pdfPages(blank).size(), 11);
}

TEST_F(CommandLineTest, PdfForTheLenderOpensOnlyWithItsPasswordAndAMaskedOneShowsNoFullNumber)
{
    createDatabase();
    const QString id = addStatement(QStringLiteral("Okafor"));
    {
        SQLite::Database file(databasePath.toStdString(), SQLite::OPEN_READWRITE);
        file.exec("UPDATE Client SET SSN = '123-45-6104', DriversLicense = 'D1234-5678', DriversLicense_State = 'OK', "
                  "DriversLicenseandState = 'D1234-5678 - OK', SSSN = '987654321', SDriversLicense_State = '', "
                  "SDriversLicenseandState = 'S530-7781-1190'");
        file.exec("UPDATE Cash SET AccountNumber = '000123456789'");
    }
    const QString passwordFile = path(QStringLiteral("lender-password"));
    {
        QFile file(passwordFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Zo\xc3\xab's loan 2026\r\n");
        ASSERT_TRUE(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    }
    const QString password = QStringLiteral("Zo\u00eb's loan 2026");
    const struct
    {
        const char *full;
        const char *masked;
    } numbers[] = {
        {"123-45-6104", "XXX-XX-6104"},
        {"D1234-5678 - OK", "XXXXX-5678 - OK"},
        {"987654321", "XXX-XX-4321"},
        {"S530-7781-1190", "XXXX-XXXX-1190"},
        {"000123456789", "XXXXXXXX6789"},
    };
    const struct
    {
        QStringList options;
        bool protectedPdf;
        bool masked;
    } runs[] = {
        {{}, false, false},
        {{QStringLiteral("--pdf-password-file"), passwordFile}, true, false},
        {{QStringLiteral("--mask")}, false, true},
        {{QStringLiteral("--mask"), QStringLiteral("--pdf-password-file"), passwordFile}, true, true},
    };
    for (const auto &r : runs) {
        SCOPED_TRACE(r.options.join(u' ').toStdString());
        const QString pdf = path(QStringLiteral("lender.pdf"));
        const Outcome printed = run(QStringList{QStringLiteral("--pdf"), id, pdf} + r.options);
        ASSERT_EQ(printed.code, 0) << printed.err.toStdString();
        EXPECT_EQ(pdfPages(pdf).isEmpty(), r.protectedPdf);
        EXPECT_TRUE(pdfPages(pdf, QStringLiteral("zo\u00eb's loan 2026")).isEmpty() || !r.protectedPdf);
        const QString text = pdfPages(pdf, r.protectedPdf ? password : QString()).join(u'\n');
        ASSERT_TRUE(text.contains(QStringLiteral("Okafor"))) << text.left(300).toStdString();
        for (const auto &number : numbers) {
            SCOPED_TRACE(number.full);
            EXPECT_EQ(text.contains(QLatin1String(number.full)), !r.masked);
            EXPECT_EQ(text.contains(QLatin1String(number.masked)), r.masked);
        }
        // The plain PDF never reached the disk beside the protected one.
        EXPECT_EQ(QDir(work.path()).entryList(QDir::Files), QStringList({QStringLiteral("lender-password"), QStringLiteral("lender.pdf")}));
        ASSERT_TRUE(QFile::remove(pdf));
    }

    // The options go with --pdf alone, and the password file is read as the login's is.
    expectError(run({QStringLiteral("--list"), QStringLiteral("--mask")}), CommandLine::Usage,
                QStringLiteral("--mask goes only with --pdf"));
    expectError(run({QStringLiteral("--blank-form"), path(QStringLiteral("x.pdf")), QStringLiteral("--pdf-password-file"),
                     passwordFile}),
                CommandLine::Usage, QStringLiteral("--pdf-password-file goes only with --pdf"));
    QFile::setPermissions(passwordFile, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    expectError(run({QStringLiteral("--pdf"), id, path(QStringLiteral("x.pdf")), QStringLiteral("--pdf-password-file"),
                     passwordFile}),
                CommandLine::Failed, QStringLiteral("is open to others"));
    {
        QFile empty(passwordFile);
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly | QIODevice::Truncate));
        empty.write("\nsecond line\n");
        ASSERT_TRUE(empty.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    }
    expectError(run({QStringLiteral("--pdf"), id, path(QStringLiteral("x.pdf")), QStringLiteral("--pdf-password-file"),
                     passwordFile}),
                CommandLine::Failed, QStringLiteral("holds no password"));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("x.pdf"))));
}

TEST_F(CommandLineTest, ReoWritesTheScheduleOfRealEstateOwnedAloneMaskedWhenAsked)
{
    createDatabase();
    const QString id = addStatement(QStringLiteral("Okafor"));
    {
        SQLite::Database file(databasePath.toStdString(), SQLite::OPEN_READWRITE);
        file.exec("UPDATE RealEstate SET LienOnProperty = '', LienAccountNumber = 'AC-99887766'");
    }
    for (const bool masked : {false, true}) {
        SCOPED_TRACE(masked);
        const QString pdf = path(QStringLiteral("reo.pdf"));
        QStringList arguments{QStringLiteral("--reo"), id, pdf};
        if (masked)
            arguments << QStringLiteral("--mask");
        const Outcome printed = run(arguments);
        ASSERT_EQ(printed.code, 0) << printed.err.toStdString();
        const QStringList pages = pdfPages(pdf);
        ASSERT_FALSE(pages.isEmpty());
        const QString text = pages.join(u'\n');
        EXPECT_TRUE(pages.first().contains(QStringLiteral("Schedule of Real Estate Owned"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Property 1"))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("Section 2 - Assets"))); // the schedule alone
        EXPECT_TRUE(text.contains(QStringLiteral("Okafor")));              // its sheets name the holder
        EXPECT_EQ(text.contains(QStringLiteral("AC-99887766")), !masked);
        EXPECT_EQ(text.contains(QStringLiteral("XX-XXXX7766")), masked);
        ASSERT_TRUE(QFile::remove(pdf));
    }
    expectError(run({QStringLiteral("--reo"), QStringLiteral("999"), path(QStringLiteral("x.pdf"))}), CommandLine::Failed,
                QStringLiteral("there is no statement 999"));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("x.pdf"))));
}

TEST_F(CommandLineTest, FailuresExitWithOneAndLeaveNoFileBehind)
{
    const QString pdf = path(QStringLiteral("statement.pdf"));
    expectError(run({QStringLiteral("--list")}), CommandLine::Failed, QStringLiteral("no statement database found"));

    createDatabase();
    const QString id = addStatement(QStringLiteral("Okafor"), 1);
    const QByteArray before = databaseBytes();
    expectError(run({QStringLiteral("--pdf"), QStringLiteral("999"), pdf}), CommandLine::Failed,
                QStringLiteral("there is no statement 999"));
    expectError(run({QStringLiteral("--pdf"), QStringLiteral("1 OR 1"), pdf}), CommandLine::Failed,
                QStringLiteral("there is no statement 1 OR 1"));
    expectError(run({QStringLiteral("--export-json"), QStringLiteral("999"), path(QStringLiteral("x.json"))}),
                CommandLine::Failed, QStringLiteral("There is no statement 999"));
    expectError(run({QStringLiteral("--import-json"), path(QStringLiteral("missing.json"))}), CommandLine::Failed,
                QStringLiteral("missing.json: no such file"));
    QFile broken(path(QStringLiteral("broken.json")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("{\"format\": \"Worthsheet statement\", \"version\": 7, \"statement\": {}}");
    broken.close();
    expectError(run({QStringLiteral("--import-json"), broken.fileName()}), CommandLine::Failed,
                QStringLiteral("$.version: unknown format version 7"));
    expectError(run({QStringLiteral("--pdf"), id, path(QStringLiteral("no/such/folder/x.pdf"))}), CommandLine::Failed,
                QStringLiteral("cannot be written"));
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("x.json"))));
    EXPECT_EQ(QDir(work.path()).entryList(QDir::Files), QStringList{QStringLiteral("broken.json")});
    EXPECT_EQ(databaseBytes(), before);
}

TEST_F(CommandLineTest, NoVerbWritesOverTheDatabaseOrMergesItIntoItself)
{
    createDatabase();
    const QString id = addStatement(QStringLiteral("Okafor"), 1);
    const QByteArray before = fileDigest(databasePath);
    for (const FileAlias &alias : aliasesOf(databasePath, work.path())) {
        SCOPED_TRACE(alias.form);
        // The CSV files go into a folder whose first file leads to the database.
        const QString csvFolder = folderLinkingTo(alias, work.path(), QStringLiteral("Client.csv"));
        const std::vector<QStringList> writers{
            {QStringLiteral("--export-json"), id, alias.path},
            {QStringLiteral("--pdf"), id, alias.path},
            {QStringLiteral("--blank-form"), alias.path},
            {QStringLiteral("--export-csv"), id, csvFolder},
        };
        for (const QStringList &arguments : writers) {
            const Outcome outcome = run(arguments);
            EXPECT_EQ(outcome.code, CommandLine::Failed) << arguments.join(u' ').toStdString();
            EXPECT_TRUE(outcome.err.contains(arguments.last() == csvFolder ? csvFolder : alias.path))
                << outcome.err.toStdString();
            EXPECT_EQ(fileDigest(databasePath), before) << arguments.join(u' ').toStdString();
        }
        EXPECT_EQ(QDir(csvFolder).entryList(QDir::Files | QDir::System), QStringList{QStringLiteral("Client.csv")});
        if (alias.exists)
            expectError(run({QStringLiteral("--merge"), alias.path}), CommandLine::Failed,
                        alias.path + QStringLiteral(" is the file in use"));
    }
    EXPECT_EQ(fileDigest(databasePath), before);
    EXPECT_EQ(statements(), 1);
    EXPECT_TRUE(QDir(QFileInfo(databasePath).path()).entryList(QDir::Files) == QStringList{QStringLiteral("wks.ABS")});
}

TEST_F(CommandLineTest, ALockedDatabaseIsRefused)
{
    createDatabase();
    const QString id = addStatement(QStringLiteral("Okafor"), 1);
    SQLite::Database other(databasePath.toStdString(), SQLite::OPEN_READWRITE);
    other.exec("BEGIN EXCLUSIVE");
    expectError(run({QStringLiteral("--export-json"), id, path(QStringLiteral("x.json"))}), CommandLine::Failed,
                QStringLiteral("the statement database cannot be opened"));
    other.exec("ROLLBACK");
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("x.json"))));
}

TEST_F(CommandLineTest, AStoredLoginIsPassedOnlyWithItsUserAndPasswordFile)
{
    createDatabase();
    addStatement(QStringLiteral("Okafor"), 1);
    storeLogin(QStringLiteral("ada"), QStringLiteral("s3cret pass"));
    const QString passwordFile = path(QStringLiteral("password"));
    const auto writePassword = [&](const QByteArray &content,
                                   QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner) {
        QFile file(passwordFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        ASSERT_TRUE(file.setPermissions(permissions));
    };

    expectError(run({QStringLiteral("--list")}), CommandLine::Failed, QStringLiteral("has a login"));
    expectError(run({QStringLiteral("--list"), QStringLiteral("--user"), QStringLiteral("ada")}), CommandLine::Failed,
                QStringLiteral("--password-file"));
    expectError(run({QStringLiteral("--list"), QStringLiteral("--user"), QStringLiteral("ada"), QStringLiteral("--password-file"),
                     path(QStringLiteral("absent"))}),
                CommandLine::Failed, QStringLiteral("cannot be read"));
    writePassword("wrong\n");
    expectError(run({QStringLiteral("--list"), QStringLiteral("--user"), QStringLiteral("ada"), QStringLiteral("--password-file"),
                     passwordFile}),
                CommandLine::Failed, QStringLiteral("does not match the stored login"));
    writePassword("s3cret pass\n");
    expectError(run({QStringLiteral("--list"), QStringLiteral("--user"), QStringLiteral("Ada"), QStringLiteral("--password-file"),
                     passwordFile}),
                CommandLine::Failed, QStringLiteral("does not match the stored login"));
    const Outcome passed = run({QStringLiteral("--user"), QStringLiteral("ada"), QStringLiteral("--password-file"), passwordFile,
                                QStringLiteral("--list")});
    EXPECT_EQ(passed.code, 0) << passed.err.toStdString();
    EXPECT_TRUE(passed.out.contains(QStringLiteral("Okafor")));

    // As ssh treats a private key: a password file others may open is refused, whatever it holds.
    const QStringList withLogin{QStringLiteral("--list"), QStringLiteral("--user"), QStringLiteral("ada"),
                                QStringLiteral("--password-file"), passwordFile};
    for (const auto &[permissions, shown] : std::vector<std::pair<QFile::Permissions, QString>>{
             {QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther, QStringLiteral("0644")},
             {QFile::ReadOwner | QFile::ReadGroup, QStringLiteral("0440")},
             {QFile::ReadOwner | QFile::WriteOwner | QFile::WriteOther, QStringLiteral("0602")}}) {
        writePassword("s3cret pass\n", permissions);
        const Outcome refused = run(withLogin);
        expectError(refused, CommandLine::Failed,
                    QStringLiteral("the password file %1 is open to others (permissions %2); make it private with chmod 600 %1")
                        .arg(passwordFile, shown));
        EXPECT_FALSE(refused.err.contains(QStringLiteral("s3cret")));
    }
    // The last line may end as a Windows editor ends it, or not at all.
    for (const QByteArray &content : {QByteArray("s3cret pass\r\n"), QByteArray("s3cret pass")}) {
        writePassword(content);
        EXPECT_EQ(run(withLogin).code, CommandLine::Done) << content.toStdString();
    }
    writePassword("s3cret pass\n", QFile::ReadOwner);
    EXPECT_EQ(run(withLogin).code, CommandLine::Done);
}

TEST_F(CommandLineTest, TheProgramAnswersEveryArgumentWithoutADisplay)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/worthsheet");
    ASSERT_TRUE(QFileInfo(program).isExecutable()) << program.toStdString();
    createDatabase();
    const QString id = addStatement(QStringLiteral("Okafor"), 1);
    const QString pdf = path(QStringLiteral("statement.pdf"));
    const QString lenderPdf = path(QStringLiteral("lender.pdf"));
    const QString passwordFile = path(QStringLiteral("lender-password"));
    {
        QFile file(passwordFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("for the bank\n");
        ASSERT_TRUE(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    }
    const QString usage =
        QStringLiteral("\nUsage: worthsheet [VERB] [--user NAME --password-file FILE]\nTry worthsheet --help.\n");
    struct Case
    {
        QStringList arguments;
        int code;
        QString out; // what standard output holds
        QString err; // what standard error ends with
    };
    const std::vector<Case> cases{
        {{QStringLiteral("--help")}, CommandLine::Done, QStringLiteral("Usage: worthsheet [VERB]"), {}},
        {{QStringLiteral("-h")}, CommandLine::Usage, {}, QStringLiteral("worthsheet: unknown argument -h") + usage},
        {{QStringLiteral("-list")}, CommandLine::Usage, {}, QStringLiteral("worthsheet: unknown argument -list") + usage},
        {{QStringLiteral("list")}, CommandLine::Usage, {}, QStringLiteral("worthsheet: unknown argument list") + usage},
        {{QStringLiteral("--x")}, CommandLine::Usage, {}, QStringLiteral("worthsheet: unknown argument --x") + usage},
        {{QStringLiteral("-platform")}, CommandLine::Usage, {}, QStringLiteral("worthsheet: unknown argument -platform") + usage},
        {{QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("--list")}, CommandLine::Usage, {},
         QStringLiteral("worthsheet: unknown argument -platform") + usage},
        {{QStringLiteral("--list"), QStringLiteral("--password=SECRET")}, CommandLine::Usage, {},
         QStringLiteral("worthsheet: a password is never given as an argument; use --password-file FILE") + usage},
        {{QStringLiteral("--pasword=SECRET"), QStringLiteral("--list")}, CommandLine::Usage, {},
         QStringLiteral("worthsheet: unknown argument --pasword=...") + usage},
        {{QStringLiteral("--list")}, CommandLine::Done, QStringLiteral("\tOkafor\t"), {}},
        {{QStringLiteral("--export-json"), QStringLiteral("999"), path(QStringLiteral("x.json"))}, CommandLine::Failed, {},
         QStringLiteral("worthsheet: There is no statement 999\n")},
        {{QStringLiteral("--pdf"), id, pdf}, CommandLine::Done, {}, {}},
        {{QStringLiteral("--pdf"), id, lenderPdf, QStringLiteral("--mask"), QStringLiteral("--pdf-password-file"), passwordFile},
         CommandLine::Done, {}, {}},
    };
    // Neither an unset platform nor one that needs the missing display ends a run.
    QTemporaryDir runtime; // a login's runtime folder, so the toolkit has nothing to warn of
    for (const char *platform : {"", "xcb"}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (*platform)
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
        for (const Case &c : cases) {
            SCOPED_TRACE(c.arguments.join(u' ').toStdString() + " with QT_QPA_PLATFORM=" + platform);
            QProcess process;
            process.setProcessEnvironment(environment);
            process.start(program, c.arguments);
            ASSERT_TRUE(process.waitForFinished(30000));
            const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
            const QString err = QString::fromLocal8Bit(process.readAllStandardError());
            EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(process.exitCode(), c.code) << err.toStdString();
            EXPECT_EQ(out.isEmpty(), c.out.isEmpty()) << out.toStdString();
            EXPECT_TRUE(out.contains(c.out)) << out.toStdString();
            EXPECT_EQ(err.isEmpty(), c.err.isEmpty()) << err.toStdString();
            EXPECT_TRUE(err.endsWith(c.err)) << err.toStdString();
            EXPECT_FALSE(err.contains(QStringLiteral("SECRET")));
        }
        EXPECT_GE(pdfPages(pdf).size(), 5);
        ASSERT_TRUE(QFile::remove(pdf));
        EXPECT_TRUE(pdfPages(lenderPdf).isEmpty());
        EXPECT_TRUE(pdfPages(lenderPdf, QStringLiteral("for the bank")).join(u'\n').contains(QStringLiteral("XXX-XX-XXXX")));
        ASSERT_TRUE(QFile::remove(lenderPdf));
    }
}

TEST(CommandLineRequest, OnlyTheToolkitsOwnOptionsLeaveTheWindowProgram)
{
    const std::vector<std::pair<std::vector<std::string>, bool>> cases{
        {{}, false},
        {{"-platform", "offscreen"}, false},
        {{"-style", "fusion", "-reverse"}, false},
        {{"--list"}, true},
        {{"-h"}, true},
        {{"list"}, true},
        {{"-platform"}, true}, // without its value
        {{"-platform", "offscreen", "--list"}, true},
        {{"-reverse", "file.ABS"}, true},
    };
    for (const auto &[arguments, commandLine] : cases) {
        std::vector<std::string> words{"worthsheet"};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char *> argv;
        for (std::string &word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        EXPECT_EQ(CommandLine::requested(int(words.size()), argv.data()), commandLine) << ::testing::PrintToString(arguments);
    }
}

} // namespace

namespace {

TEST_F(CommandLineTest, Sba413WritesTheFormInWholeDollarsWithTheLendersOptions)
{
    createDatabase();
    const QString id = addStatement(QStringLiteral("Okafor"));
    {
        SQLite::Database file(databasePath.toStdString(), SQLite::OPEN_READWRITE);
        file.exec("UPDATE Client SET SSN = '123-45-6104'");
    }
    const QString passwordFile = path(QStringLiteral("form-password"));
    {
        QFile file(passwordFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("form 413\n");
        ASSERT_TRUE(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    }
    // Our totals as stored, in whole dollars: cents half up.
    const auto storedDollars = [this, &id](const char *field) {
        SQLite::Database file(databasePath.toStdString(), SQLite::OPEN_READONLY);
        const double amount =
            file.execAndGet(std::string("SELECT ") + field + " FROM FSPro WHERE ClientId = '" + id.toStdString() + "'").getDouble();
        const qint64 cents = qint64(std::llround(std::abs(amount) * 100)) * (amount < 0 ? -1 : 1);
        return QLocale(QLocale::English).toString(cents >= 0 ? (cents + 50) / 100 : -((-cents - 50 + 99) / 100));
    };

    const QString pdf = path(QStringLiteral("sba413.pdf"));
    const Outcome written = run({QStringLiteral("--sba413"), id, pdf, QStringLiteral("--mask"),
                                 QStringLiteral("--pdf-password-file"), passwordFile});
    ASSERT_EQ(written.code, 0) << written.err.toStdString();
    EXPECT_TRUE(pdfPages(pdf).isEmpty());
    const QStringList pages = pdfPages(pdf, QStringLiteral("form 413"));
    ASSERT_GE(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("PERSONAL FINANCIAL STATEMENT")));
    EXPECT_TRUE(pages[0].contains(storedDollars("TotalAssets"))) << storedDollars("TotalAssets").toStdString();
    EXPECT_TRUE(pages[0].contains(storedDollars("NetWorth"))) << storedDollars("NetWorth").toStdString();
    const QString all = pages.join(u'\n');
    EXPECT_FALSE(all.contains(QStringLiteral("123-45-6104")));
    EXPECT_TRUE(all.contains(QStringLiteral("XXX-XX-6104")));
    EXPECT_TRUE(pages.last().contains(QStringLiteral("Page %1 of %1").arg(pages.size())));

    expectError(run({QStringLiteral("--sba413"), QStringLiteral("999"), path(QStringLiteral("x.pdf"))}), CommandLine::Failed,
                QStringLiteral("there is no statement 999"));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("x.pdf"))));
}

} // namespace
