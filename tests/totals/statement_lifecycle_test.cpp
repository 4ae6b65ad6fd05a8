#include <QDate>

#include <gtest/gtest.h>

#include "base/dates.h"
#include "data/engine/engine_error.h"
#include "support/recording_messages.h"
#include "support/totals_fixture.h"
#include "totals/totals.h"

namespace {

const QString Question = "Do you want to \"Delete\" this \"Financial Statement\"?";
const QString Deleted = "The \"Financial Statement\" was successfully deleted.";
const QString NotSelected = "A \"Financial Statement\" has not been selected to \"Delete\".";
// The question names the statement under the list's cursor, with its date.
const QString QuestionOnDunn = Question + "\n\rCarl Dunn, as of 03/15/2024";

using CreateTotalsRowTest = TotalsTest;

TEST_F(CreateTotalsRowTest, TheFirstSaveCreatesOneTotalsRowThatLaterSavesKeep)
{
    const Dates::FixedToday today(QDate(2027, 6, 30));
    const QString id = addClient("John", "Public", "Q");
    select(id);
    CreateTotalsRow(*dm);
    EXPECT_EQ(db.text("SELECT ClientId || '/' || Description || '/' || Date FROM FSPro"), id + "/John Q. Public/06/30/2027");
    EXPECT_TRUE(storedIsEmpty(id, "TotalAssets"));

    execBehindEngine("UPDATE FSPro SET Date = '01/02/2003'");
    select(id);
    CreateTotalsRow(*dm);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM FSPro"), 1);
    EXPECT_EQ(db.text("SELECT Date FROM FSPro"), "01/02/2003");
}

TEST_F(CreateTotalsRowTest, NamesThePersonWithoutAMissingInitialAndNeedsASavedStatement)
{
    dm->SelectNoStatement();
    CreateTotalsRow(*dm);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM FSPro"), 0);

    select(addClient("Jane", "Doe"));
    CreateTotalsRow(*dm);
    EXPECT_EQ(db.text("SELECT Description FROM FSPro"), "Jane Doe");
}

class DeleteStatementTest : public TotalsTest
{
protected:
    void SetUp() override
    {
        TotalsTest::SetUp();
        kept = addStatement("Ann", "Baker");
        fillEveryTable(kept);
        doomed = addStatement("Carl", "Dunn"); // not the list's first row
        fillEveryTable(doomed);
        execBehindEngine(QString("UPDATE FSPro SET Date = '01/02/2025' WHERE ClientId = '%1'; UPDATE FSPro SET Date "
                                 "= '03/15/2024' WHERE ClientId = '%2'")
                             .arg(kept, doomed));
        keptRows = rowsOf(kept);
        moveListTo(doomed);
        dm->SelectStatementDetails();
    }
    QString doomed, kept;
    qint64 keptRows = 0;
    RecordingMessages messages;
};

TEST_F(DeleteStatementTest, YesDeletesEveryRowOfTheStatementAndNothingElse)
{
    messages.answer(Messages::Answer::Yes);
    DeleteStatement(*dm, messages);

    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].kind, Messages::Kind::Warning);
    EXPECT_EQ(messages.shown()[0].buttons, Messages::Buttons::YesNo);
    EXPECT_EQ(messages.shown()[1].kind, Messages::Kind::Confirmation);
    EXPECT_EQ(messages.shown()[1].buttons, Messages::Buttons::Ok);
    EXPECT_EQ(messages.texts(), (QStringList{QuestionOnDunn, Deleted}));
    EXPECT_EQ(rowsOf(doomed), 0);
    EXPECT_EQ(rowsOf(kept), keptRows);
    expectUnfilteredOnFirstRow();
}

TEST_F(DeleteStatementTest, NoDeletesNothingButStillShowsAllStatements)
{
    const QString before = snapshot();
    messages.answer(Messages::Answer::No);
    DeleteStatement(*dm, messages);

    EXPECT_EQ(messages.texts(), QStringList{QuestionOnDunn});
    EXPECT_EQ(snapshot(), before);
    expectUnfilteredOnFirstRow();
}

TEST_F(DeleteStatementTest, DeletingTheOnlyStatementLeavesClientEmpty)
{
    DeleteStatement(*dm, messages);
    moveListTo(kept);
    DeleteStatement(*dm, messages);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM Client"), 0);
    EXPECT_EQ(rowsOf(kept), 0);

    messages.clear();
    DeleteStatement(*dm, messages);
    EXPECT_EQ(messages.texts(), (QStringList{Question, NotSelected}));
}

TEST_F(DeleteStatementTest, AFailedDeletionKeepsTheWholeStatement)
{
    execBehindEngine("CREATE TRIGGER keep BEFORE DELETE ON Expenditure BEGIN SELECT RAISE(ABORT, 'locked'); END");
    const QString before = snapshot();

    EXPECT_THROW(DeleteStatement(*dm, messages), EngineError);
    // Opened again, the list is on its first statement.
    EXPECT_EQ(messages.texts(), QStringList{Question + "\n\rAnn Baker, as of 01/02/2025"})
        << messages.texts().join("|").toStdString();
    EXPECT_EQ(snapshot(), before);
    expectUnfilteredOnFirstRow();
}

TEST_F(DeleteStatementTest, RowDeletionRefusesTablesThatAreNotNarrowedToAStatement)
{
    const QString before = snapshot();
    dm->ClearStatementFilters();
    EXPECT_THROW(DeleteStatementRows(*dm), EngineError);
    EXPECT_THROW(DeleteDetailRows(*dm), EngineError);
    EXPECT_EQ(snapshot(), before);
}

class PurgeOrphanRowsTest : public TotalsTest
{
protected:
    void SetUp() override
    {
        TotalsTest::SetUp();
        statement = addStatement("Ann", "Baker");
        fillEveryTable(statement);
        fillEveryTable(QString());
        addClient("", ""); // a Client row with nothing in it is never purged
        statementRows = rowsOf(statement);
        ASSERT_EQ(rowsOf(""), 18);
    }
    QString statement;
    qint64 statementRows = 0;
};

TEST_F(PurgeOrphanRowsTest, RemovesExactlyTheRowsOfNoStatement)
{
    PurgeOrphanRows(*dm);

    EXPECT_EQ(rowsOf(""), 0);
    EXPECT_EQ(rowsOf(statement), statementRows);
    EXPECT_EQ(db.count("SELECT COUNT(*) FROM Client"), 2);
    EXPECT_TRUE(dm->CurrentClientId.isEmpty());
    expectUnfilteredOnFirstRow();
}

TEST_F(PurgeOrphanRowsTest, AFailedPurgeLeavesTheFileUnchanged)
{
    execBehindEngine("CREATE TRIGGER keep BEFORE DELETE ON Legal BEGIN SELECT RAISE(ABORT, 'locked'); END");
    const QString before = snapshot();

    EXPECT_THROW(PurgeOrphanRows(*dm), EngineError);
    EXPECT_EQ(snapshot(), before);
    expectUnfilteredOnFirstRow();
}

} // namespace
