// The encrypted statement database through the built program's command line: encrypted,
// opened, given a new password and made plain again, each only with the right password file,
// and no plain database left in the data folder or the temporary folder along the way.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <SQLiteCpp/SQLiteCpp.h>

#include <gtest/gtest.h>

#include "data/schema.h"
#include "data/tdm1.h"
#include "support/file_mode.h"
#include "support/full_statement.h"
#include "support/scoped_environment.h"

namespace {

const QByteArray SqliteMagic("SQLite format 3\0", 16);

QStringList plainDatabasesIn(const QString &folder)
{
    QStringList found;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden))
        if (fileBytes(info.filePath()).contains(SqliteMagic))
            found << info.fileName();
    return found;
}

TEST(EncryptedCommandLine, EachVerbWorksOnlyWithTheRightPasswordFile)
{
    QTemporaryDir home, work, temporary;
    const ScopedEnvironment dataHome("XDG_DATA_HOME", home.path().toUtf8());
    const QString database = Tdm1::DatabaseFileCandidates().first();
    const QString dataFolder = QFileInfo(database).absolutePath();
    ASSERT_TRUE(createDatabaseFile(database));
    {
        Tdm1 dm;
        dm.db1.SetDatabaseFileName(database);
        dm.db1.SetConnected(true);
        dm.OpenTables();
        writeFullStatement(dm, 2, QStringLiteral("Okafor"));
    }
    const auto passwordFile = [&](const char *name, const QByteArray &password) {
        const QString file = QDir(work.path()).filePath(QLatin1String(name));
        writeFile(file, password + "\n");
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        return file;
    };
    const QString first = passwordFile("first", "first secret");
    const QString second = passwordFile("second", "zweites Geheimnis \xc3\xbc");
    const QString wrong = passwordFile("wrong", "first secret ");

    struct Step
    {
        QStringList arguments;
        int code;
        QString out; // found in the output
        QString err; // found in the errors; none when empty
        bool encryptedAfter;
    };
    const QString pf = QStringLiteral("--password-file"), npf = QStringLiteral("--new-password-file");
    const QString list = QStringLiteral("--list");
    const std::vector<Step> steps = {
        {{QStringLiteral("--encrypt"), pf, first}, 0, QStringLiteral("recovery key"), {}, true},
        {{list}, 1, {}, QStringLiteral("give its password with --password-file FILE"), true},
        {{list, pf, wrong}, 1, {}, QStringLiteral("Wrong password for this statement file."), true},
        {{list, pf, first}, 0, QStringLiteral("\tOkafor\t"), {}, true},
        {{QStringLiteral("--encrypt"), pf, first}, 1, {}, QStringLiteral("encrypted already"), true},
        {{QStringLiteral("--change-password"), pf, first}, 2, {}, QStringLiteral("needs --new-password-file"), true},
        {{QStringLiteral("--change-password"), pf, wrong, npf, second}, 1, {}, QStringLiteral("Wrong password"), true},
        {{QStringLiteral("--change-password"), pf, first, npf, second}, 0, {}, {}, true},
        {{list, pf, first}, 1, {}, QStringLiteral("Wrong password"), true},
        {{list, pf, second}, 0, QStringLiteral("\tOkafor\t"), {}, true},
        {{QStringLiteral("--decrypt"), pf, first}, 1, {}, QStringLiteral("Wrong password"), true},
        {{QStringLiteral("--decrypt"), pf, second}, 0, {}, {}, false},
        {{list}, 0, QStringLiteral("\tOkafor\t"), {}, false},
        {{QStringLiteral("--decrypt"), pf, second}, 1, {}, QStringLiteral("not encrypted"), false},
    };
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/worthsheet");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    environment.insert(QStringLiteral("TMPDIR"), temporary.path());
    QString recoveryKey;
    for (const Step &step : steps) {
        SCOPED_TRACE(step.arguments.join(u' ').toStdString());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, step.arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), step.code) << err.toStdString();
        EXPECT_TRUE(out.contains(step.out)) << out.toStdString();
        EXPECT_EQ(err.isEmpty(), step.err.isEmpty()) << err.toStdString();
        EXPECT_TRUE(err.contains(step.err)) << err.toStdString();
        if (recoveryKey.isEmpty())
            recoveryKey = QRegularExpression(QStringLiteral("([0-9A-Z]{5}-){7}[0-9A-Z]{5}")).match(out).captured(0);
        EXPECT_EQ(fileBytes(database).startsWith(SqliteMagic), !step.encryptedAfter);
        if (step.encryptedAfter) {
            EXPECT_EQ(plainDatabasesIn(dataFolder), QStringList());
            EXPECT_EQ(fileMode(database), 0600);
        }
        EXPECT_EQ(plainDatabasesIn(temporary.path()), QStringList());
        EXPECT_FALSE(QFileInfo::exists(database + QStringLiteral(".lock"))) << "the lock goes with the program";
    }
    EXPECT_FALSE(recoveryKey.isEmpty()) << "the recovery key is printed once";
    SQLite::Database plain(database.toStdString(), SQLite::OPEN_READONLY);
    EXPECT_EQ(plain.execAndGet("SELECT COUNT(*) FROM Client").getInt64(), 1);
}

} // namespace
