#include "command_line.h"

#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <sys/stat.h>

#include "app/shell.h"
#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "data/engine/file_identity.h"
#include "data/engine/query.h"
#include "data/tdm1.h"
#include "exchange/exchange_error.h"
#include "exchange/private_file.h"
#include "exchange/statement_csv.h"
#include "exchange/statement_json.h"
#include "exchange/statement_merge.h"
#include "print/engine/composite_report.h"
#include "print/engine/pdf_export.h"
#include "print/masked_numbers.h"
#include "print/run_pages.h"
#include "ui/format_money.h"

namespace CommandLine {

namespace {

const char UsageLine[] = "Usage: worthsheet [VERB] [--user NAME --password-file FILE]";

class Refusal
{
public:
    int code;
    QString message;
};

// What the options of a verb ask of it, beyond its operands.
struct Options
{
    QString pdfPasswordFile;
    bool mask = false;
    QString jsonPasswordFile;
    // The password the database opens with (of an encrypted file) and a new one.
    QString passwordFile;
    QString newPasswordFile;
};

// What a verb works on: nothing, the statement database kept from every output while the
// verb runs, or that database opened through its login.
enum class Needs { Nothing, KeptDatabase, OpenDatabase };

struct Verb
{
    const char *name;
    const char *operands; // as the usage text names them, one word each
    const char *meaning;
    Needs needs;
    bool needsFonts;
    // dm is null unless the verb needs the open database.
    void (*perform)(Tdm1 *dm, const QStringList &operands, const Options &options, QTextStream &out);
};

const std::vector<Verb> &verbs();
const Verb *findVerb(const QString &name);

int operandCount(const Verb &verb)
{
    return int(QString::fromLatin1(verb.operands).split(u' ', Qt::SkipEmptyParts).size());
}

// The usage text lists the verbs of the table, each with its operands and meaning.
QString usageText()
{
    constexpr qsizetype VerbColumn = 27;
    QString text = QStringLiteral("\nWithout a verb the program opens its window. Verbs:\n");
    for (const Verb &verb : verbs()) {
        const QString call = (QLatin1String(verb.name) + u' ' + QLatin1String(verb.operands)).trimmed();
        text += QStringLiteral("  ") + call.leftJustified(VerbColumn - 1) + u' ' + QLatin1String(verb.meaning) + u'\n';
    }
    return text + QStringLiteral(R"(
Options of --pdf, --reo and --sba413:
  --pdf-password-file FILE   the PDF opens only with the password on the first line of FILE
  --mask                     social security, licence and account numbers masked (XXX-XX-6104)
Option of --export-json and --import-json:
  --json-password-file FILE  the statement file encrypted with, or opened with, the password
                             on the first line of FILE
Options of --encrypt and --change-password:
  --new-password-file FILE   the new password, on the first line of FILE (--encrypt takes the
                             one of --password-file when the database has no stored login)

The statement database is the one the window program opens. A database with a stored login
is opened only with --user and --password-file (a file whose first line is the password); an
encrypted one only with --password-file, its password being its login.
Exit status: 0 done, 1 refused or failed, 2 arguments not understood.
)");
}

// What the toolkit takes from the window program's command line; only these (and their
// values) leave it the window program.
struct ToolkitOption
{
    const char *name;
    bool takesValue;
};

const ToolkitOption ToolkitOptions[] = {
    {"-platform", true},  {"-platformpluginpath", true}, {"-platformtheme", true}, {"-plugin", true},
    {"-qwindowgeometry", true}, {"-qwindowicon", true}, {"-qwindowtitle", true}, {"-session", true},
    {"-display", true},   {"-geometry", true},           {"-style", true},         {"-stylesheet", true},
    {"-reverse", false},  {"-widgetcount", false},       {"-nograb", false},       {"-dograb", false},
    {"-sync", false},
};

const ToolkitOption *findToolkitOption(const char *argument)
{
    for (const ToolkitOption &option : ToolkitOptions)
        if (std::strcmp(argument, option.name) == 0)
            return &option;
    return nullptr;
}

struct Request
{
    const Verb *verb = nullptr;
    QStringList operands;
    QString user;
    QString passwordFile;
    Options options;
};

// The verbs that print a statement for a lender take the options of a printed copy.
bool printsStatementPdf(const Verb &verb)
{
    const QLatin1String name(verb.name);
    return name == QLatin1String("--pdf") || name == QLatin1String("--reo") || name == QLatin1String("--sba413");
}

Request parse(const QStringList &arguments)
{
    Request request;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const auto value = [&]() {
            if (i + 1 >= arguments.size())
                throw Refusal{Usage, QStringLiteral("%1 needs a value").arg(argument)};
            return arguments[++i];
        };
        if (argument == QLatin1String("--user")) {
            request.user = value();
        } else if (argument == QLatin1String("--password-file")) {
            request.passwordFile = value();
            request.options.passwordFile = request.passwordFile;
        } else if (argument == QLatin1String("--new-password-file")) {
            request.options.newPasswordFile = value();
        } else if (argument == QLatin1String("--pdf-password-file")) {
            request.options.pdfPasswordFile = value();
        } else if (argument == QLatin1String("--mask")) {
            request.options.mask = true;
        } else if (argument == QLatin1String("--json-password-file")) {
            request.options.jsonPasswordFile = value();
        } else if (argument == QLatin1String("--password") || argument.startsWith(QLatin1String("--password="))) {
            // A password on the command line is seen by every user of the machine; it is
            // not repeated either.
            throw Refusal{Usage, QStringLiteral("a password is never given as an argument; use --password-file FILE")};
        } else if (const Verb *verb = findVerb(argument)) {
            if (request.verb)
                throw Refusal{Usage, QStringLiteral("one verb at a time (%1 and %2)").arg(QLatin1String(request.verb->name), argument)};
            request.verb = verb;
            const int operands = operandCount(*verb);
            for (int n = 0; n < operands; ++n) {
                if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QLatin1String("--")))
                    throw Refusal{Usage, QStringLiteral("%1 needs %2 operand(s)").arg(argument).arg(operands)};
                request.operands << arguments[++i];
            }
        } else {
            // What follows an = may be a secret typed in the wrong place: it is not repeated.
            const qsizetype equals = argument.indexOf(u'=');
            const QString shown = equals < 0 ? argument : argument.left(equals + 1) + QStringLiteral("...");
            throw Refusal{Usage, QStringLiteral("unknown argument %1").arg(shown)};
        }
    }
    if (!request.verb)
        throw Refusal{Usage, QStringLiteral("no verb given")};
    const bool pdf = printsStatementPdf(*request.verb);
    if (!pdf && !request.options.pdfPasswordFile.isEmpty())
        throw Refusal{Usage, QStringLiteral("--pdf-password-file goes only with --pdf, --reo and --sba413")};
    if (!pdf && request.options.mask)
        throw Refusal{Usage, QStringLiteral("--mask goes only with --pdf, --reo and --sba413")};
    const QLatin1String name(request.verb->name);
    if (name != QLatin1String("--export-json") && name != QLatin1String("--import-json")
        && !request.options.jsonPasswordFile.isEmpty())
        throw Refusal{Usage, QStringLiteral("--json-password-file goes only with --export-json and --import-json")};
    if (name != QLatin1String("--encrypt") && name != QLatin1String("--change-password")
        && !request.options.newPasswordFile.isEmpty())
        throw Refusal{Usage, QStringLiteral("--new-password-file goes only with --encrypt and --change-password")};
    if (name == QLatin1String("--change-password") && request.options.newPasswordFile.isEmpty())
        throw Refusal{Usage, QStringLiteral("--change-password needs --new-password-file FILE")};
    return request;
}

QString readPassword(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Refusal{Failed, QStringLiteral("the password file %1 cannot be read: %2").arg(path, file.errorString())};
    // As ssh treats a private key: a password others may read is no longer the user's
    // alone. A pipe (--password-file <(pass show ...)) is not a file anyone else can open.
    struct stat info {};
    if (::fstat(file.handle(), &info) != 0)
        throw Refusal{Failed, QStringLiteral("the password file %1 cannot be read: %2")
                                  .arg(path, QString::fromLocal8Bit(std::strerror(errno)))};
    if (S_ISREG(info.st_mode) && (info.st_mode & 077) != 0)
        throw Refusal{Failed, QStringLiteral("the password file %1 is open to others (permissions %2); make it private "
                                             "with chmod 600 %1")
                                  .arg(path)
                                  .arg(info.st_mode & 0777, 4, 8, QChar(u'0'))};
    QByteArray line = file.read(4096);
    const qsizetype end = line.indexOf('\n');
    if (end >= 0)
        line.truncate(end);
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

// The window program's connection and its login gate, without the windows: the same file,
// the same checks (a damaged, read-only or locked file is refused), and a stored login is
// passed only with its user name and password.
std::unique_ptr<Tdm1> openDatabase(const Request &request)
{
    const QString path = Tdm1::LocateDatabaseFile();
    if (path.isEmpty())
        throw Refusal{Failed, QStringLiteral("no statement database found (looked for %1)")
                                  .arg(Tdm1::DatabaseFileCandidates().join(QStringLiteral(" and ")))};
    auto dm = std::make_unique<Tdm1>();
    const bool encrypted = Database::isEncryptedFile(path);
    if (encrypted) {
        if (request.passwordFile.isEmpty())
            throw Refusal{Failed, QStringLiteral("the statement database is encrypted; give its password with "
                                                 "--password-file FILE")};
        dm->db1.SetSecret(Database::Secret::Password, readPassword(request.passwordFile));
    }
    try {
        dm->db1.SetDatabaseFileName(path);
        dm->db1.SetConnected(true);
        dm->OpenTables();
    } catch (const EngineError &e) {
        dm->db1.SetConnected(false);
        throw Refusal{Failed, QStringLiteral("the statement database cannot be opened: %1").arg(e.message())};
    }
    // An encrypted file's password is its login.
    if (encrypted)
        return dm;
    dm->tblUser.First();
    const QString storedUser = dm->tblUser.FieldByName(QStringLiteral("User")).AsString();
    if (storedUser.isEmpty())
        return dm;
    if (request.user.isEmpty() || request.passwordFile.isEmpty())
        throw Refusal{Failed, QStringLiteral("the statement database has a login; give --user NAME and "
                                             "--password-file FILE")};
    const QString password = readPassword(request.passwordFile);
    if (request.user != storedUser || password != dm->tblUser.FieldByName(QStringLiteral("Password")).AsString())
        throw Refusal{Failed, QStringLiteral("the user name or password does not match the stored login")};
    return dm;
}

// Makes statement id the current one, as opening its print window does.
void selectStatement(Tdm1 &dm, const QString &id)
{
    bool number = false;
    id.toLongLong(&number);
    dm.tblClient.SetFilter(QStringLiteral("Id = ") + (number ? id : QStringLiteral("0")));
    dm.tblClient.SetFiltered(true);
    dm.tblClient.First();
    if (!number || dm.tblClient.Eof())
        throw Refusal{Failed, QStringLiteral("there is no statement %1").arg(id)};
    dm.SelectStatement();
}

// A password that protects something new: read as the login's, and never empty.
QString readNewPassword(const QString &path)
{
    const QString password = readPassword(path);
    if (password.isEmpty())
        throw Refusal{Failed, QStringLiteral("the password file %1 holds no password on its first line").arg(path)};
    return password;
}

void exportJson(Tdm1 &dm, const QStringList &operands, const Options &options)
{
    const QString password = options.jsonPasswordFile.isEmpty() ? QString() : readNewPassword(options.jsonPasswordFile);
    exportStatementJson(dm, operands[0], operands[1], password);
}

QString importJson(Tdm1 &dm, const QString &path, const Options &options)
{
    if (options.jsonPasswordFile.isEmpty() && StatementJson::isEncryptedFile(path))
        throw Refusal{Failed, QStringLiteral("%1 is encrypted; give its password with --json-password-file FILE").arg(path)};
    return importStatementJson(dm, path, options.jsonPasswordFile.isEmpty() ? QString() : readPassword(options.jsonPasswordFile));
}

void encrypt(Tdm1 &dm, const Options &options, QTextStream &out)
{
    if (dm.db1.Encrypted())
        throw Refusal{Failed, QStringLiteral("the statement database is encrypted already")};
    const QString passwordFile = options.newPasswordFile.isEmpty() ? options.passwordFile : options.newPasswordFile;
    if (passwordFile.isEmpty())
        throw Refusal{Failed, QStringLiteral("give the password to encrypt with in --new-password-file FILE")};
    const QString recoveryKey = dm.db1.Encrypt(readNewPassword(passwordFile));
    out << "The statement database is encrypted. Its recovery key opens it when the password is lost; it is\n"
           "shown only this once. Print it or write it down, and keep it apart from the computer:\n"
        << recoveryKey << '\n';
}

void requireEncrypted(Tdm1 &dm)
{
    if (!dm.db1.Encrypted())
        throw Refusal{Failed, QStringLiteral("the statement database is not encrypted")};
}

// Writes the pages `create` makes, composed by `prepare`.
void writePagesPdf(const std::function<RunPages()> &create,
                   const std::function<void(Report::CompositeReport &, const RunPages &)> &prepare, Tdm1 &dm,
                   const QString &title, const QString &path, const Options &options)
{
    // The password is read before anything is laid out, so a bad file costs nothing.
    const QString password = options.pdfPasswordFile.isEmpty() ? QString() : readNewPassword(options.pdfPasswordFile);
    RunPages pages = create();
    if (options.mask)
        maskRunNumbers(pages, dm);
    Report::CompositeReport composite;
    composite.setTitle(title);
    prepare(composite, pages);
    const Report::Document document = composite.layout();
    composite.clearReports();
    freeRunPages(pages);
    writePrivateFile(path, [&document, &password](QIODevice &device, QString *error) {
        return Report::PdfExport::write(document, device, 1200, error, password);
    });
}

void writeRunPdf(PrintRun run, Tdm1 &dm, const QString &title, const QString &path, const Options &options = {})
{
    writePagesPdf([run, &dm] { return createRunPages(run, dm); },
                  [run, &dm](Report::CompositeReport &composite, const RunPages &pages) {
                      prepareComposite(composite, run, dm, pages);
                  },
                  dm, title, path, options);
}

void writeSba413Pdf(Tdm1 &dm, const QString &path, const Options &options)
{
    writePagesPdf([&dm] { return createSba413Pages(dm); },
                  [&dm](Report::CompositeReport &composite, const RunPages &pages) {
                      prepareSba413Composite(composite, dm, pages);
                  },
                  dm, QStringLiteral("SBA Form 413, Personal Financial Statement"), path, options);
}

// A stored text on one line of the listing: tabs, line breaks and other control characters
// become blanks, so every statement stays one row of tab-separated columns.
QString withoutControlCharacters(QString text)
{
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    return text;
}

void list(Tdm1 &dm, QTextStream &out)
{
    Query query(dm.db1, "SELECT c.Id, c.LastName, c.FirstName, "
                        "(SELECT Date FROM FSPro WHERE ClientId = CAST(c.Id AS TEXT) ORDER BY rowid LIMIT 1), "
                        "(SELECT NetWorth FROM FSPro WHERE ClientId = CAST(c.Id AS TEXT) ORDER BY rowid LIMIT 1) "
                        "FROM Client c ORDER BY c.LastName COLLATE NOCASE, c.Id");
    out << "Id\tLast name\tFirst name\tDate\tNet worth\n";
    while (query.next())
        out << query.integer(0) << '\t' << withoutControlCharacters(query.text(1)) << '\t' << withoutControlCharacters(query.text(2)) << '\t'
            << withoutControlCharacters(query.text(3)) << '\t' << (query.isNull(4) ? QString() : FormatMoney(query.real(4))) << '\n';
}

const std::vector<Verb> &verbs()
{
    static const std::vector<Verb> table{
        {"--help", "", "this text", Needs::Nothing, false,
         [](Tdm1 *, const QStringList &, const Options &, QTextStream &out) { out << UsageLine << '\n' << usageText(); }},
        {"--version", "", "the program's version", Needs::Nothing, false,
         [](Tdm1 *, const QStringList &, const Options &, QTextStream &out) { out << "Worthsheet " << GetProgramVersion() << '\n'; }},
        {"--list", "", "every statement: id, last name, first name, date, net worth", Needs::OpenDatabase, false,
         [](Tdm1 *dm, const QStringList &, const Options &, QTextStream &out) { list(*dm, out); }},
        {"--export-json", "ID FILE", "statement ID as a statement file (JSON)", Needs::OpenDatabase, false,
         [](Tdm1 *dm, const QStringList &operands, const Options &options, QTextStream &) { exportJson(*dm, operands, options); }},
        {"--import-json", "FILE", "a statement file as a new statement; prints its id", Needs::OpenDatabase, false,
         [](Tdm1 *dm, const QStringList &operands, const Options &options, QTextStream &out) {
             out << importJson(*dm, operands[0], options) << '\n';
         }},
        {"--export-csv", "ID FOLDER", "statement ID as one CSV file per table in FOLDER", Needs::OpenDatabase, false,
         [](Tdm1 *dm, const QStringList &operands, const Options &, QTextStream &) { exportStatementCsv(*dm, operands[0], operands[1]); }},
        {"--merge", "FILE", "every statement of another statement database, as new ones", Needs::OpenDatabase, false,
         [](Tdm1 *dm, const QStringList &operands, const Options &, QTextStream &out) {
             out << mergeResultText(mergeStatementFile(*dm, operands[0]), operands[0]) << '\n';
         }},
        {"--pdf", "ID FILE", "statement ID printed to a PDF file, as the print window prints it", Needs::OpenDatabase,
         true,
         [](Tdm1 *dm, const QStringList &operands, const Options &options, QTextStream &) {
             selectStatement(*dm, operands[0]);
             writeRunPdf(statementRun(*dm), *dm, QStringLiteral("Financial Statement"), operands[1], options);
         }},
        {"--reo", "ID FILE", "the schedule of real estate owned of statement ID as a PDF file", Needs::OpenDatabase,
         true,
         [](Tdm1 *dm, const QStringList &operands, const Options &options, QTextStream &) {
             selectStatement(*dm, operands[0]);
             writeRunPdf(PrintRun::RealEstateSchedule, *dm, QStringLiteral("Schedule of Real Estate Owned"), operands[1],
                         options);
         }},
        {"--sba413", "ID FILE", "SBA Form 413 of statement ID as a PDF file, in whole dollars", Needs::OpenDatabase, true,
         [](Tdm1 *dm, const QStringList &operands, const Options &options, QTextStream &) {
             selectStatement(*dm, operands[0]);
             writeSba413Pdf(*dm, operands[1], options);
         }},
        {"--encrypt", "", "encrypts the statement database; prints its recovery key", Needs::OpenDatabase, false,
         [](Tdm1 *dm, const QStringList &, const Options &options, QTextStream &out) { encrypt(*dm, options, out); }},
        {"--decrypt", "", "the encrypted statement database made plain again", Needs::OpenDatabase, false,
         [](Tdm1 *dm, const QStringList &, const Options &options, QTextStream &) {
             requireEncrypted(*dm);
             dm->db1.Decrypt(readPassword(options.passwordFile));
         }},
        {"--change-password", "", "a new password for the encrypted statement database", Needs::OpenDatabase, false,
         [](Tdm1 *dm, const QStringList &, const Options &options, QTextStream &) {
             requireEncrypted(*dm);
             dm->db1.ChangePassword(readPassword(options.passwordFile), readNewPassword(options.newPasswordFile));
         }},
        {"--blank-form", "FILE", "the blank statement form as a PDF file", Needs::KeptDatabase, true,
         [](Tdm1 *, const QStringList &operands, const Options &, QTextStream &) {
             Tdm1 unconnected;
             writeRunPdf(PrintRun::Blank, unconnected, QStringLiteral("Blank Financial Statement"), operands[0]);
         }},
    };
    return table;
}

const Verb *findVerb(const QString &name)
{
    for (const Verb &verb : verbs())
        if (name == QLatin1String(verb.name))
            return &verb;
    return nullptr;
}

int perform(const Request &request, QTextStream &out)
{
    const Verb &verb = *request.verb;
    if (verb.needs == Needs::Nothing) {
        verb.perform(nullptr, request.operands, request.options, out);
        return Done;
    }
    // The database is kept from every output, also by a verb that does not open it.
    const ProtectedFile statementDatabase(Tdm1::LocateDatabaseFile());
    const std::unique_ptr<Tdm1> dm = verb.needs == Needs::OpenDatabase ? openDatabase(request) : nullptr;
    verb.perform(dm.get(), request.operands, request.options, out);
    return Done;
}

} // namespace

bool requested(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const ToolkitOption *option = findToolkitOption(argv[i]);
        if (!option || (option->takesValue && ++i >= argc))
            return true;
    }
    return false;
}

int run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    int code = Failed;
    QString message;
    try {
        code = perform(parse(arguments), out);
    } catch (const Refusal &refusal) {
        code = refusal.code;
        message = refusal.message;
    } catch (const ExchangeError &e) {
        message = e.message();
    } catch (const EngineError &e) {
        message = e.message();
    } catch (const std::exception &e) {
        message = QString::fromUtf8(e.what());
    }
    out.flush();
    if (!message.isEmpty()) {
        err << "worthsheet: " << message << '\n';
        if (code == Usage)
            err << UsageLine << "\nTry worthsheet --help.\n";
        err.flush();
    }
    return code;
}

int runProgram(int argc, char **argv)
{
    QStringList arguments;
    bool fonts = false;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
        if (const Verb *verb = findVerb(arguments.last()))
            fonts = fonts || verb->needsFonts;
    }
    // Nothing here shows a window: the toolkit draws offscreen whatever the environment
    // names, so a missing display never ends a verb. Nor does the toolkit see the user's
    // arguments: every one of them is the verb's.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int toolkitArgc = 1;
    char *toolkitArgv[] = {argv[0], nullptr};
    // Printing needs the font database of a GUI application; the rest does with less.
    const std::unique_ptr<QCoreApplication> app = fonts ? std::make_unique<QGuiApplication>(toolkitArgc, toolkitArgv)
                                                        : std::make_unique<QCoreApplication>(toolkitArgc, toolkitArgv);
    QCoreApplication::setApplicationName(QStringLiteral("Worthsheet"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return run(arguments, out, err);
}

} // namespace CommandLine
