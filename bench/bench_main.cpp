// The benchmarks run with an offscreen application object, as the program's windows need one.
//
// Started as "worthsheet_bench --probe-startup-memory <database>" (StartupMemoryProbeOption)
// the process instead starts the program on a copy of the database as a user would (the
// main window connects, opens every table, purges, and shows the filled overview), and
// prints its resident memory in kB: after the application object, after the start, and
// the high-water mark.
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "app/tfrm_main.h"
#include "base/pending_messages.h"
#include "budget_reporter.h"
#include "data/tdm1.h"
#include "ui/application.h"
#include "fixture.h"

namespace {

qint64 statusKilobytes(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(std::strlen(field))).trimmed().split(' ').first().toLongLong();
    return -1;
}

int probeStartupMemory(int argc, char **argv)
{
    Application app(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[2]);
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    const QString copy = Tdm1::DatabaseFileCandidates().first();
    QDir().mkpath(QFileInfo(copy).absolutePath());
    if (!QFile::copy(path, copy))
        return 1;
    const qint64 before = statusKilobytes("VmRSS:");
    TfrmMain main;
    main.show();
    main.EnterProgram();
    letPendingMessagesRun();
    std::printf("%lld %lld %lld\n", static_cast<long long>(before), static_cast<long long>(statusKilobytes("VmRSS:")),
                static_cast<long long>(statusKilobytes("VmHWM:")));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], StartupMemoryProbeOption) == 0)
        return probeStartupMemory(argc, argv);
    // The window sizes the program keeps go to a folder of the run, not the user's settings.
    const QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    BudgetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
