// Puts an empty statement database at the given path, or at the first place the program
// looks for one. An existing file is never replaced.
#include <cstdio>

#include <QCoreApplication>
#include <QFileInfo>

#include "data/schema.h"
#include "data/tdm1.h"

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString path = args.size() > 1 ? args.at(1) : Tdm1::DatabaseFileCandidates().first();
    if (QFileInfo::exists(path)) {
        std::printf("Database file present, left as it is: %s\n", qPrintable(path));
        return 0;
    }
    QString error;
    if (!createDatabaseFile(path, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("Delivered an empty database file: %s\n", qPrintable(path));
    return 0;
}
