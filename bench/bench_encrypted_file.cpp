// The encrypted statement file:
//  - EncryptedFileOpen/100: connecting an encrypted file of 100 statements with its password
//    and opening every table, the key derivation at the limits calibrated on this computer
//    included (budget 1 s); its derivation alone is KeyDerivation, and
//    EncryptedFileOpenLeastDerivation/100 is the same open with libsodium's least derivation,
//    the cost of reading, decrypting and loading the file.
//  - EncryptedListWindowOK: OK on the list window of a statement's 100 cash rows in an
//    encrypted file of 100 statements, through the real main window (budget 30 ms).
//  - EncryptedWrite/N: one committed action on an encrypted file of N statements, which
//    writes the whole file anew (reported: where it stops being comfortable).
#include <map>
#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "app/tfrm_main.h"
#include "base/pending_messages.h"
#include "crypt/envelope_seam.h"
#include "data/engine/database.h"
#include "data/engine/query.h"
#include "data/tdm1.h"
#include "fixture.h"
#include "sections/list_members.h"
#include "sections/section_list_editor.h"
#include "sections/section_windows.h"

namespace {

const QString Password = QStringLiteral("a bench password");
const EnvelopeSeam LeastDerivation{{1, 8192}, std::nullopt};

// An encrypted copy of a fixture of the given size, made once per run and kept in a
// temporary folder removed at the end; calibrated or with the least derivation.
QString encryptedFixture(int statements, bool calibrated)
{
    static QTemporaryDir folder;
    static std::map<std::pair<int, bool>, QString> made;
    const auto key = std::pair(statements, calibrated);
    if (const auto it = made.find(key); it != made.end())
        return it->second;
    const QString path = folder.filePath(QStringLiteral("encrypted-%1-%2.ABS").arg(statements).arg(calibrated));
    if (statements == FixtureDefaultStatements) {
        QFile::copy(benchDatabasePath(), path);
    } else if (QString error; !writeFixture(path, statements, &error)) {
        qFatal("%s", qPrintable(error));
    }
    Tdm1 dm;
    dm.db1.SetDatabaseFileName(path);
    dm.db1.SetConnected(true);
    dm.db1.Encrypt(Password, calibrated ? nullptr : &LeastDerivation);
    made[key] = path;
    return path;
}

void openWithPassword(benchmark::State &state, bool calibrated)
{
    const QString path = encryptedFixture(int(state.range(0)), calibrated);
    for (auto _ : state) {
        Tdm1 dm;
        dm.db1.SetDatabaseFileName(path);
        dm.db1.SetSecret(Database::Secret::Password, Password);
        dm.db1.SetConnected(true);
        dm.OpenTables();
        benchmark::DoNotOptimize(dm.tblClient.Eof());
        state.PauseTiming();
        dm.db1.Close();
        state.ResumeTiming();
    }
}

void EncryptedFileOpen(benchmark::State &state)
{
    openWithPassword(state, true);
}
BENCHMARK(EncryptedFileOpen)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void EncryptedFileOpenLeastDerivation(benchmark::State &state)
{
    openWithPassword(state, false);
}
BENCHMARK(EncryptedFileOpenLeastDerivation)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

void EncryptedListWindowOK(benchmark::State &state)
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    const QString path = Tdm1::DatabaseFileCandidates().first();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::copy(encryptedFixture(100, false), path);
    {
        WindowRegistry windows;
        addSectionWindows(windows);
        auto main = std::make_unique<TfrmMain>(std::move(windows));
        main->show();
        main->findChild<QLineEdit *>(QStringLiteral("edEncryptionPassword"))->setText(Password);
        main->findChild<QPushButton *>(QStringLiteral("btnEncryptionOK"))->click();
        Tdm1 &dm = main->dm1();
        if (!dm.db1.Connected()) {
            state.SkipWithError("the encrypted file did not open");
            return;
        }
        const QString statement = heavyStatementId(QStringLiteral("Cash"));
        dm.StatementEditMode = QStringLiteral("Edit");
        for (dm.tblClient.First(); !dm.tblClient.Eof(); dm.tblClient.Next())
            if (dm.tblClient.FieldByName(QStringLiteral("Id")).AsString() == statement)
                break;
        main->openSection(QStringLiteral("lblCash"));
        letPendingMessagesRun();
        auto *window = qobject_cast<SectionListEditor *>(main->shownWindow());
        if (!window) {
            state.SkipWithError("the window did not open");
            return;
        }
        Table &rows = dm.*(window->member().table);
        double amount = 100;
        for (auto _ : state) {
            state.PauseTiming();
            rows.Edit();
            rows.FieldByName(QStringLiteral("Balance")).SetAsFloat(amount += 1);
            state.ResumeTiming();
            window->btnOKClick();
        }
        window->close();
        main.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    qunsetenv("XDG_DATA_HOME");
}
BENCHMARK(EncryptedListWindowOK)->Unit(benchmark::kMillisecond);

void EncryptedWrite(benchmark::State &state)
{
    Tdm1 dm;
    dm.db1.SetDatabaseFileName(encryptedFixture(int(state.range(0)), false));
    dm.db1.SetSecret(Database::Secret::Password, Password);
    dm.db1.SetConnected(true);
    int action = 0;
    for (auto _ : state) {
        Database::Transaction write(dm.db1);
        Query(dm.db1, "UPDATE Client SET MiddleInitial = ? WHERE Id = (SELECT MIN(Id) FROM Client)")
            .bind(1, QString::number(++action))
            .exec();
        write.Commit();
    }
    state.counters["file_MB"] = double(QFileInfo(dm.db1.DatabaseFileName()).size()) / 1e6;
}
BENCHMARK(EncryptedWrite)->Arg(100)->Arg(1000)->Arg(FixtureDefaultStatements)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
