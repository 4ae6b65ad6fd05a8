// make_fixture N PATH [--login]: writes a benchmark database of N statements (see
// fixture.h) and prints what it holds and how long it took. With --login the file carries
// the login FixtureLoginUser / FixtureLoginPassword; without, the program starts on the
// new-login page.
#include <cstdio>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>

#include "fixture.h"

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool withLogin = args.removeAll(QStringLiteral("--login")) > 0;
    bool ok = false;
    const int statements = args.size() == 3 ? args.at(1).toInt(&ok) : 0;
    if (!ok || statements < FixtureMinimumStatements) {
        std::fprintf(stderr, "usage: make_fixture STATEMENTS PATH [--login]   (STATEMENTS >= %d)\n",
                     FixtureMinimumStatements);
        return 2;
    }
    const QString path = args.at(2);

    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!writeFixture(path, statements, &error, withLogin)) {
        std::fprintf(stderr, "make_fixture: %s\n", qPrintable(error));
        return 1;
    }
    const qint64 elapsed = timer.elapsed();

    const std::vector<FixtureTableCount> counts = fixtureRowCounts(path, &error);
    if (counts.empty()) {
        std::fprintf(stderr, "make_fixture: %s\n", qPrintable(error));
        return 1;
    }
    qint64 detailRows = 0, orphans = 0;
    std::printf("%-16s %9s %8s\n", "table", "rows", "orphans");
    for (const FixtureTableCount &c : counts) {
        std::printf("%-16s %9lld %8lld\n", qPrintable(c.table), static_cast<long long>(c.rows),
                    static_cast<long long>(c.orphans));
        if (fixtureDetailTables().contains(c.table))
            detailRows += c.rows - c.orphans;
        orphans += c.orphans;
    }
    std::printf("%s: %d statements, %lld detail rows of statements, %lld orphan rows, %.1f MB, written in %lld ms\n",
                qPrintable(path), statements, static_cast<long long>(detailRows), static_cast<long long>(orphans),
                double(QFileInfo(path).size()) / (1024.0 * 1024.0), static_cast<long long>(elapsed));
    return 0;
}
