// Connecting at start-up: the connection error for a missing or foreign file.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/connect_database.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "support/recording_messages.h"
#include "support/scoped_environment.h"

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(DatabaseFile, ConnectDatabaseShowsTheConnectionErrorForAMissingOrForeignFile)
{
    QTemporaryDir dir;
    ScopedEnvironment dataHome("XDG_DATA_HOME", dir.path().toUtf8());
    RecordingMessages messages;

    std::unique_ptr<Tdm1> missing(ConnectDatabase(nullptr, messages));
    EXPECT_FALSE(missing->db1.Connected());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, Messages::Kind::Error);
    EXPECT_EQ(messages.last(), "There was an error connecting to the database.\n\rIf problem persists, please "
                               "contact technical support.");

    const QString path = Tdm1::DatabaseFileCandidates().first();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    writeBytes(path, "not a database at all");
    std::unique_ptr<Tdm1> foreign(ConnectDatabase(nullptr, messages));
    EXPECT_FALSE(foreign->db1.Connected());
    EXPECT_EQ(messages.shown().size(), 2u);

    QFile::remove(path);
    ASSERT_TRUE(createDatabaseFile(path));
    std::unique_ptr<Tdm1> ours(ConnectDatabase(nullptr, messages));
    EXPECT_TRUE(ours->db1.Connected());
    EXPECT_TRUE(ours->tblLegal.Active());
    EXPECT_EQ(messages.shown().size(), 2u);
}

} // namespace
