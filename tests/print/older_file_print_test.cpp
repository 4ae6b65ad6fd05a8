// A statement in a file of version 1, brought to the current version, prints as it did.
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "data/schema.h"
#include "data/tdm1.h"
#include "print/engine/composite_report.h"
#include "print/run_pages.h"
#include "support/full_statement.h"
#include "support/older_files.h"
#include "support/pdf_reader.h"
#include "totals/totals.h"

namespace {

// Every word of the statement's PDF with its page and place.
QStringList printedWords(const QString &database, const QString &id, const QString &pdf)
{
    Tdm1 dm;
    dm.db1.SetDatabaseFileName(database);
    dm.db1.SetConnected(true);
    dm.OpenTables();
    selectStatement(dm, id);
    RunPages pages = createRunPages(PrintRun::Joint, dm);
    Report::CompositeReport composite;
    composite.setTitle(QStringLiteral("Financial Statement"));
    composite.setAddReports([&](Report::CompositeReport &c) {
        for (const auto &page : pages)
            c.addReport(page.get());
    });
    QString error;
    EXPECT_TRUE(composite.writePdf(pdf, &error)) << error.toStdString();
    freeRunPages(pages);
    QStringList words;
    for (const PdfWord &word : pdfWords(pdf))
        words << QStringLiteral("%1 %2,%3 %4")
                     .arg(word.page)
                     .arg(qRound(word.box.left()))
                     .arg(qRound(word.box.top()))
                     .arg(word.text);
    return words;
}

TEST(OlderFilePrint, AStatementOfAVersion1FilePrintsAsTheSameStatementOfANewFile)
{
    QTemporaryDir dir;
    const QString current = dir.filePath("current.ABS");
    ASSERT_TRUE(createDatabaseFile(current));
    QString id;
    {
        Tdm1 dm;
        dm.db1.SetDatabaseFileName(current);
        dm.db1.SetConnected(true);
        dm.OpenTables();
        id = writeFullStatement(dm, 4);
        selectStatement(dm, id);
        RecalcAllTotals(dm);
    }
    // The same values in both files: version 1 has none of the new fields.
    emptyNewFields(current);
    const QString old = dir.filePath("old.ABS");
    writeVersion1Copy(current, old);

    const QStringList expected = printedWords(current, id, dir.filePath("current.pdf"));
    EXPECT_GT(expected.size(), 300);
    EXPECT_EQ(printedWords(old, id, dir.filePath("old.pdf")), expected);
}

} // namespace
