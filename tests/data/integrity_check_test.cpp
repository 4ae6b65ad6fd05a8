// The full check of the connected file beside the program's work, and the writes it holds
// back: none reaches a damaged file, whenever it comes.
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>
#include <gtest/gtest.h>

#include "data/engine/engine_error.h"
#include "data/engine/query.h"
#include "data/schema.h"
#include "data/tdm1.h"
#include "support/crafted_files.h"

namespace {

void wholeFile(const QString &path)
{
    ASSERT_TRUE(createDatabaseFile(path));
    fillOneStatement(path);
}

struct CheckedFile
{
    const char *name;
    void (*make)(const QString &path);
    bool damaged;
};

void PrintTo(const CheckedFile &file, std::ostream *out)
{
    *out << file.name;
}

class CheckedFileTest : public ::testing::TestWithParam<CheckedFile>
{
protected:
    void SetUp() override
    {
        path = dir.filePath("wks.ABS");
        GetParam().make(path);
        dm = std::make_unique<Tdm1>();
        dm->db1.SetDatabaseFileName(path);
        dm->db1.SetSchema(schemaSteps());
        dm->db1.SetConnected(true);
        dm->OpenTables();
    }

    // Every kind of write: a posted row, a deletion, and SQL of its own in a transaction.
    std::vector<std::function<void()>> writes()
    {
        return {
            [this] {
                dm->tblUser.Append();
                dm->tblUser.FieldByName("User").SetAsString("Ann");
                dm->tblUser.Post();
            },
            [this] {
                dm->tblFSPro.First();
                dm->tblFSPro.Delete();
            },
            [this] {
                Database::Transaction transaction(dm->db1);
                Query(dm->db1, "UPDATE Client SET FirstName = 'Bea'").exec();
                transaction.Commit();
            },
        };
    }

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<Tdm1> dm;
};

TEST_P(CheckedFileTest, WritesMadeTheMomentTheCheckStartsWaitForItsAnswer)
{
    const QByteArray before = fileDigest(path);
    QString answer = "none";
    QThread *answeredOn = nullptr;
    QObject receiver;
    dm->db1.startIntegrityCheck(&receiver, [&](const QString &problem) {
        answer = problem;
        answeredOn = QThread::currentThread();
    });

    int refused = 0;
    for (const auto &write : writes()) {
        try {
            write();
        } catch (const EngineError &e) {
            ++refused;
            EXPECT_TRUE(e.message().contains("damaged") && e.message().contains(path)) << e.message().toStdString();
        } catch (const SQLite::Exception &e) {
            ++refused;
            EXPECT_EQ(e.getErrorCode(), SQLITE_READONLY) << e.what();
        }
    }
    EXPECT_EQ(refused, GetParam().damaged ? 3 : 0);
    EXPECT_EQ(dm->db1.refusesWrites(), GetParam().damaged);
    EXPECT_EQ(dm->db1.awaitIntegrityCheck().isEmpty(), !GetParam().damaged);

    // The answer reaches the user-interface thread through its event loop.
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer != "none"; }, 10000));
    EXPECT_EQ(answeredOn, QThread::currentThread());
    EXPECT_EQ(answer.isEmpty(), !GetParam().damaged) << answer.toStdString();

    // What can be read is still read.
    dm->tblClient.First();
    EXPECT_EQ(dm->tblClient.FieldByName("Id").AsString(), "1");
    dm.reset();
    if (GetParam().damaged)
        EXPECT_TRUE(fileDigest(path) == before);
    else
        EXPECT_FALSE(fileDigest(path) == before);
}

INSTANTIATE_TEST_SUITE_P(IntegrityCheck, CheckedFileTest,
                         ::testing::Values(CheckedFile{"Whole", wholeFile, false},
                                           CheckedFile{"DamagedIndexPage", damagedIndexPage, true},
                                           CheckedFile{"IndexThatLies", anIndexThatLies, true}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
