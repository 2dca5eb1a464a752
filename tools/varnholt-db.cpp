// The command-line companion of the program: creates, checks and restores databases.
#include "data/Schema.h"
#include "platform/Errors.h"
#include "tools/DemoData.h"
#include "tools/Maintenance.h"
#include "tools/ScaleData.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {

int Init(const QCommandLineParser& parser)
{
    const QString file = QDir::current().absoluteFilePath(parser.value(QStringLiteral("file")));
    const QString user = parser.value(QStringLiteral("user"));
    const QString password = parser.value(QStringLiteral("password"));
    Schema::CreateDatabase(file, user, password, parser.value(QStringLiteral("right")));
    if (parser.isSet(QStringLiteral("demo")))
        DemoData::Fill(file);
    QTextStream(stdout) << "Created " << file << "\nLog in as " << user << " with the password "
                        << password << ".\n";
    return 0;
}

// A new database like init, filled with the small demo or, with --scale, with
// large deterministic books.
int Demo(const QCommandLineParser& parser)
{
    const QString scale = parser.value(QStringLiteral("scale"));
    const std::optional<ScaleData::Size> size = ScaleData::StandardSize(scale);
    if (!scale.isEmpty() && !size)
        throw platform::Error(QStringLiteral("--scale takes S, M or L, not '%1'.").arg(scale));
    const QString file = QDir::current().absoluteFilePath(parser.value(QStringLiteral("file")));
    Schema::CreateDatabase(file, parser.value(QStringLiteral("user")),
                           parser.value(QStringLiteral("password")), parser.value(QStringLiteral("right")));
    if (size)
        ScaleData::Fill(file, *size);
    else
        DemoData::Fill(file);
    QTextStream(stdout) << "Created " << file << '\n';
    return 0;
}

QString DatabaseFile(const QCommandLineParser& parser)
{
    return QDir::current().absoluteFilePath(parser.value(QStringLiteral("file")));
}

int Restore(const QCommandLineParser& parser, const QString& backup)
{
    const QString database = DatabaseFile(parser);
    const QString replaced = Maintenance::Restore(backup, database);
    QTextStream out(stdout);
    out << "Restored " << backup << " as " << database << ".\n";
    if (!replaced.isEmpty())
        out << "The replaced database is kept as " << replaced << ".\n";
    return 0;
}

int Check(const QCommandLineParser& parser)
{
    const QString database = DatabaseFile(parser);
    const Maintenance::CheckResult result = Maintenance::Check(database);
    QTextStream out(stdout);
    for (const QString& line : result.damage)
        out << "damaged: " << line << '\n';
    for (const QString& line : result.orphans)
        out << "orphan: " << line << '\n';
    if (!result.Clean())
        return 1;
    out << database << " is sound: integrity check passed, no orphans.\n";
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("varnholt-db"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Companion tool of Varnholt.\n\n"
        "  init    create a new database with the schema and a first user\n"
        "          (--demo also fills a small demo catalogue and books)\n"
        "  demo    init with demo data; --scale S|M|L writes large deterministic books\n"
        "          (L: 2,000 associations, 100,000 assets, 1,000,000 entries)\n"
        "  check   run the integrity check and list rows whose association,\n"
        "          subject or type is gone (exit 1 when anything is found)\n"
        "  restore FILE\n"
        "          put a checked backup in place of the database; the replaced\n"
        "          file is kept beside it as <file>.replaced-YYYYMMDD-HHMMSS"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("init | demo | check | restore FILE"));
    parser.addOption({QStringLiteral("file"), QStringLiteral("Database file (default DB.mdb)."),
                      QStringLiteral("path"), QStringLiteral("DB.mdb")});
    parser.addOption({QStringLiteral("user"), QStringLiteral("First user's name (default ADMIN)."),
                      QStringLiteral("name"), QStringLiteral("ADMIN")});
    parser.addOption({QStringLiteral("password"), QStringLiteral("First user's password (default admin)."),
                      QStringLiteral("password"), QStringLiteral("admin")});
    parser.addOption({QStringLiteral("right"), QStringLiteral("First user's right: 1 edit, 2 read only (default 1)."),
                      QStringLiteral("right"), QStringLiteral("1")});
    parser.addOption({QStringLiteral("demo"), QStringLiteral("Fill in demo data.")});
    parser.addOption({QStringLiteral("scale"), QStringLiteral("Size of the demo books: S, M or L."),
                      QStringLiteral("size")});
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    try {
        if (args.value(0) == QLatin1String("init"))
            return Init(parser);
        if (args.value(0) == QLatin1String("demo"))
            return Demo(parser);
        if (args.value(0) == QLatin1String("check") && args.size() == 1)
            return Check(parser);
        if (args.value(0) == QLatin1String("restore") && args.size() == 2)
            return Restore(parser, args.value(1));
    } catch (const platform::Error& e) {
        QTextStream(stderr) << "varnholt-db: " << e.message() << '\n';
        return 1;
    }
    QTextStream(stderr) << parser.helpText();
    return 2;
}
