// The engine's own report file: a document saved and loaded as JSON.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "base/whole_file.h"
#include "print/engine/document.h"

using namespace Report;

namespace {

Document sample()
{
    Document doc;
    doc.title = "Financial Statement";
    DocumentPage first{"TqrCont_Single", {}};
    TextPrimitive heading;
    heading.rect = QRectF(421, 66, 337, 16.5);
    heading.text = QStringLiteral("WORTHSHEET \u00e9\"quoted\"");
    heading.font.pointSize = 14;
    heading.font.bold = true;
    heading.alignment = Qt::AlignRight;
    heading.clip = true;
    first.primitives.emplace_back(heading);
    BoxPrimitive bar;
    bar.rect = QRectF(49, 46, 717, 22);
    bar.fill = Qt::black;
    first.primitives.emplace_back(bar);
    TextPrimitive white = heading;
    white.text = "Personal Information";
    white.color = Qt::white;
    white.alignment = Qt::AlignHCenter;
    white.font.italic = true;
    white.wordWrap = true;
    white.clip = false;
    first.primitives.emplace_back(white);
    BoxPrimitive frame;
    frame.rect = QRectF(49, 559, 719, 113);
    frame.stroke = QColor(0xD3, 0xD3, 0xD3);
    frame.strokeWidth = 3;
    first.primitives.emplace_back(frame);
    doc.pages.push_back(first);
    doc.pages.push_back(DocumentPage{"TqrCont_Single_Sect4", {}});
    return doc;
}

TEST(DocumentFileTest, ADocumentComesBackFromItsJsonExactly)
{
    const Document doc = sample();
    QString error;
    const std::optional<Document> back = Document::fromJson(doc.toJson(), &error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_TRUE(*back == doc);
    EXPECT_EQ(back->pageCount(), 2);
    EXPECT_EQ(back->pages[0].findText("Personal Information")->color, QColor(Qt::white));
}

TEST(DocumentFileTest, SavedAndLoadedThroughAFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("statement.wsr");
    QString error;
    ASSERT_TRUE(sample().save(path, &error)) << error.toStdString();
    const std::optional<Document> loaded = Document::load(path, &error);
    ASSERT_TRUE(loaded) << error.toStdString();
    EXPECT_TRUE(*loaded == sample());
}

TEST(DocumentFileTest, FilesThatAreNotReportsOrAreDamagedAreRefusedWithAReason)
{
    QString error;
    EXPECT_FALSE(Document::fromJson("not json at all", &error));
    EXPECT_EQ(error, "The file is not a Worthsheet report.");
    EXPECT_FALSE(Document::fromJson(R"({"format":"something else"})", &error));
    EXPECT_EQ(error, "The file is not a Worthsheet report.");

    const QByteArray good = sample().toJson();
    const std::pair<QByteArray, QByteArray> damages[] = {
        {"\"kind\":\"box\"", "\"kind\":\"ellipse\""},
        {"\"align\":\"right\"", "\"align\":\"justify\""},
        {"\"size\":14", "\"size\":-3"},
        {"\"version\":1", "\"version\":7"},
        {"\"rect\":[49,46,717,22]", "\"rect\":[49,46]"},
        {"\"fill\":\"#000000\"", "\"fill\":\"not a colour\""},
        {"\"text\":\"Personal Information\"", "\"text\":12"},
    };
    for (const auto &[from, to] : damages) {
        QByteArray damaged = good;
        ASSERT_TRUE(damaged.contains(from)) << from.toStdString();
        damaged.replace(from, to);
        error.clear();
        EXPECT_FALSE(Document::fromJson(damaged, &error)) << to.toStdString();
        EXPECT_TRUE(error.startsWith("The report file is damaged: ")) << error.toStdString();
    }
}

TEST(DocumentFileTest, AFailedSaveOrLoadSaysWhyAndLeavesNoFileBehind)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(sample().save(dir.filePath("no/such/folder/statement.wsr"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    {
        // A disk that does not write the file through.
        ScopedFileSystemCalls failing({.sync = [](int) { return false; }, .bytesAvailable = {}});
        error.clear();
        EXPECT_FALSE(sample().save(dir.filePath("statement.wsr"), &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).isEmpty());
    }
    error.clear();
    EXPECT_FALSE(Document::load(dir.filePath("missing.wsr"), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
