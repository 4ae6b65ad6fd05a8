#include "file_aliases.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#include <gtest/gtest.h>

std::vector<FileAlias> aliasesOf(const QString &file, const QString &folder)
{
    const QDir dir(folder);
    const QString absolute = QFileInfo(file).absoluteFilePath();
    const QString symbolic = dir.filePath(QStringLiteral("link-to-file.ABS"));
    const QString hard = dir.filePath(QStringLiteral("hard-link.ABS"));
    const QString linkedFolder = dir.filePath(QStringLiteral("linked-data"));
    const QString toWal = dir.filePath(QStringLiteral("link-to-wal.ABS"));
    EXPECT_TRUE(QFile::link(absolute, symbolic));
    EXPECT_EQ(::link(QFile::encodeName(absolute).constData(), QFile::encodeName(hard).constData()), 0);
    EXPECT_TRUE(QFile::link(QFileInfo(absolute).absolutePath(), linkedFolder));
    EXPECT_TRUE(QFile::link(absolute + QStringLiteral("-wal"), toWal));
    const QString throughFolder = linkedFolder + u'/' + QFileInfo(absolute).fileName();
    return {
        {"its own path", absolute, true},
        {"a symbolic link", symbolic, true},
        {"a hard link", hard, true},
        {"a linked folder", throughFolder, true},
        {"its journal through a linked folder", throughFolder + QStringLiteral("-journal"), false},
        {"a link to its -wal", toWal, false},
    };
}

QString folderLinkingTo(const FileAlias &alias, const QString &parent, const QString &name)
{
    const QString folder = QDir(parent).filePath(QStringLiteral("to-") + QString::fromLatin1(alias.form).replace(u' ', u'-'));
    EXPECT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(QFile::link(alias.path, QDir(folder).filePath(name)));
    return folder;
}
