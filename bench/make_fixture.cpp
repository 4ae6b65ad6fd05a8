// make_fixture N PATH: writes a statement database of N statements for the benchmarks.
#include <cstdio>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <SQLiteCpp/SQLiteCpp.h>

#include "fixture.h"

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || args.at(1).toInt() <= 0) {
        std::fprintf(stderr, "usage: make_fixture STATEMENTS PATH\n");
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!writeFixture(args.at(2), args.at(1).toInt(), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    SQLite::Database db(args.at(2).toStdString(), SQLite::OPEN_READONLY);
    qint64 detail = 0;
    for (const char *table : {"Cash", "Investments", "RealEstate", "Auto", "LifeInsurance", "PersonalAssets",
                              "BusinessAssets", "OtherAssets", "Autos2", "Bank", "CreditCards", "Taxes", "Other",
                              "Contingent", "Incomes", "Expenditure", "Legal"})
        detail += db.execAndGet(std::string("SELECT count(*) FROM ") + table).getInt64();
    std::printf("%s: %lld statements, %lld detail rows, written in %lld ms\n", qPrintable(args.at(2)),
                static_cast<long long>(db.execAndGet("SELECT count(*) FROM Client").getInt64()),
                static_cast<long long>(detail), static_cast<long long>(timer.elapsed()));
    return 0;
}
