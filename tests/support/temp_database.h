#pragma once

#include <memory>

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "data/tdm1.h"

// A fresh statement database in its own temporary folder.
class TempDatabase
{
public:
    TempDatabase();
    QString path() const { return m_path; }
    QString folder() const { return m_dir.path(); }
    // Runs SQL on the file through a separate connection (test set-up and inspection).
    void exec(const QString &sql) const;
    qint64 count(const QString &sql) const;
    QString text(const QString &sql) const;
    double number(const QString &sql) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// A test with its own database and a connected data module with every table open.
class DataModuleTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds a statement row with the given names and returns its Id as text.
    QString addClient(const QString &first, const QString &last, const QString &middle = {},
                      const QString &joint = QStringLiteral("No"));
    // Adds a totals row for the statement.
    void addTotalsRow(const QString &clientId);
    // Reopens every table so that rows written through TempDatabase::exec are seen.
    void reopen();
    // Closes the data module, runs SQL on the closed file (as an older program or a crash
    // might leave it) and connects a new data module; nothing is selected.
    void changeWithProgramClosed(const QString &sql);

    TempDatabase db;
    std::unique_ptr<Tdm1> dm;

private:
    void connectDataModule();
};
