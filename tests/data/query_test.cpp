// The query helper on a real database file: binds, the engine's errors, no read left open,
// and the open tables kept right after a write that bypassed them.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <SQLiteCpp/SQLiteCpp.h>

#include <gtest/gtest.h>

#include "data/engine/connection.h"
#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "data/engine/query.h"
#include "support/temp_database.h"

namespace {

class QueryTest : public DataModuleTest
{
};

class CountingListener : public TableListener
{
public:
    explicit CountingListener(Table &table) : m_table(table) { m_table.addListener(this); }
    ~CountingListener() override { m_table.removeListener(this); }
    void tableChanged(TableEvent event, int) override
    {
        if (event == TableEvent::RowsChanged)
            ++rowsChanged;
    }
    int rowsChanged = 0;

private:
    Table &m_table;
};

TEST_F(QueryTest, BindsByNameAndPositionAndReadsValuesAsStored)
{
    const QString id = addClient("Ann", "Avery");
    Query(dm->db1, "UPDATE Client SET FirstName = ?1 WHERE Id = :id")
        .bind(1, QStringLiteral("A\"nn'e"))
        .bind(":id", id)
        .exec();
    Query read(dm->db1, "SELECT FirstName, :nothing, 7, 2.5 FROM Client WHERE Id = :id");
    read.bind(":id", id).bind(":nothing", QVariant());
    ASSERT_TRUE(read.next());
    EXPECT_EQ(read.text(0), "A\"nn'e");
    EXPECT_TRUE(read.isNull(1));
    EXPECT_EQ(read.value(1), QVariant());
    EXPECT_EQ(read.value(2), QVariant(qint64(7)));
    EXPECT_TRUE(read.isNumber(3));
    EXPECT_DOUBLE_EQ(read.real(3), 2.5);
    EXPECT_FALSE(read.next());
}

TEST_F(QueryTest, EveryFailureIsTheEnginesErrorWithSQLitesMessage)
{
    const auto messageOf = [](const auto &action) -> std::string {
        try {
            action();
        } catch (const EngineError &e) {
            return e.message().toStdString();
        } catch (...) {
            return "another exception";
        }
        return "no error";
    };
    Connection memory = Connection::memory();
    const std::vector<std::pair<std::string, std::function<void()>>> failures = {
        {"Nowhere", [&] { Query(dm->db1, "SELECT Id FROM Nowhere"); }},
        {":missing", [&] { Query(dm->db1, "SELECT ?").bind(":missing", 1); }},
        {"range", [&] {
             Query q(dm->db1, "SELECT 1");
             q.next();
             q.text(5);
         }},
        {"overflow", [&] { Query(dm->db1, "SELECT abs(-9223372036854775807 - 1)").exec(); }},
        {"syntax", [&] { memory.exec("CREATE TABL t (x)"); }},
    };
    for (const auto &[word, action] : failures) {
        const std::string message = messageOf(action);
        EXPECT_NE(message.find(word), std::string::npos) << message;
    }
}

TEST_F(QueryTest, AReadLeftMidwayHoldsNoLockOnTheFile)
{
    for (const char *last : {"Avery", "Baker"})
        addClient("Ann", last);
    {
        Query read(dm->db1, "SELECT LastName FROM Client ORDER BY LastName");
        ASSERT_TRUE(read.next());
    }
    // A read still open would hold its shared lock, and another connection could not write.
    SQLite::Database other(db.path().toStdString(), SQLite::OPEN_READWRITE);
    EXPECT_NO_THROW(other.exec("BEGIN EXCLUSIVE; UPDATE Client SET FirstName = 'Bo'; COMMIT"));
    // The statement handed out again starts from the first row.
    Query again(dm->db1, "SELECT LastName FROM Client ORDER BY LastName");
    ASSERT_TRUE(again.next());
    EXPECT_EQ(again.text(0), "Avery");
}

TEST_F(QueryTest, AWriteKeepsOpenTablesAtTheirRowAndTellsTheirListenersOnceDone)
{
    const QString first = addClient("Ann", "Avery");
    const QString second = addClient("Bea", "Baker");
    Table &client = dm->tblClient;
    client.First();
    client.Next();
    ASSERT_EQ(client.FieldByName("Id").AsString(), second);
    CountingListener listener(client);
    {
        Database::Transaction transaction(dm->db1);
        Query(dm->db1, "UPDATE Client SET FirstName = 'Cy' WHERE Id = ?").bind(1, second).exec();
        Query(dm->db1, "DELETE FROM Client WHERE Id = ?").bind(1, first).exec();
        EXPECT_EQ(listener.rowsChanged, 0) << "listeners hear of a write only once the action ends";
        transaction.Commit();
    }
    EXPECT_GE(listener.rowsChanged, 1);
    EXPECT_EQ(client.FieldByName("Id").AsString(), second);
    EXPECT_EQ(client.FieldByName("FirstName").AsString(), "Cy");
    client.First();
    EXPECT_EQ(client.FieldByName("Id").AsString(), second) << "the deleted row is gone from the cursor";
    // A read writes nothing and tells nobody.
    const int heard = listener.rowsChanged;
    {
        Database::Transaction transaction(dm->db1);
        Query read(dm->db1, "SELECT count(*) FROM Client");
        ASSERT_TRUE(read.next());
        EXPECT_EQ(read.integer(0), 1);
        transaction.Commit();
    }
    EXPECT_EQ(listener.rowsChanged, heard);
}

} // namespace
