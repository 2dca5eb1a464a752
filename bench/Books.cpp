#include "Books.h"

#include "data/Schema.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <malloc.h>

#include <fstream>
#include <string>

namespace Books {

QString Root() { return QCoreApplication::applicationDirPath() + QStringLiteral("/bench-data"); }

namespace {

// A short fingerprint of the schema that new databases get, so that a cached
// database made before the schema changed is not used again.
QString SchemaKey()
{
    static const QString key = [] {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("schema.mdb"));
        Schema::CreateDatabase(file, QStringLiteral("ADMIN"), QStringLiteral("admin"), QStringLiteral("1"));
        QCryptographicHash hash(QCryptographicHash::Sha1);
        const QString connection = QStringLiteral("bench-schema");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(file);
            db.open();
            QSqlQuery query(QStringLiteral("SELECT sql FROM sqlite_master ORDER BY name"), db);
            while (query.next())
                hash.addData(query.value(0).toString().toUtf8());
        }
        QSqlDatabase::removeDatabase(connection);
        return QString::fromLatin1(hash.result().toHex().left(8));
    }();
    return key;
}

} // namespace

QString Cached(const QString& name, const ScaleData::Size& size)
{
    const QString dir = Root() + QLatin1Char('/') + name + QLatin1Char('-') + SchemaKey();
    const QString file = dir + QStringLiteral("/DB.mdb");
    if (QFile::exists(file))
        return dir;
    QDir().mkpath(dir);
    // Written under another name first, so an interrupted run leaves no half
    // database in the cache.
    const QString partial = dir + QStringLiteral("/partial.mdb");
    QFile::remove(partial);
    QTextStream(stderr) << "Generating " << file << " ... " << Qt::flush;
    QElapsedTimer timer;
    timer.start();
    Schema::CreateDatabase(partial, QStringLiteral("ADMIN"), QStringLiteral("admin"), QStringLiteral("1"));
    ScaleData::Fill(partial, size);
    QFile::rename(partial, file);
    QTextStream(stderr) << timer.elapsed() / 1000.0 << " s\n";
    return dir;
}

QString WorkingCopy(const QString& cachedDir, const QString& name)
{
    const QString dir = Root() + QStringLiteral("/work-") + name;
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    if (!QFile::copy(cachedDir + QStringLiteral("/DB.mdb"), dir + QStringLiteral("/DB.mdb")))
        throw std::runtime_error("cannot copy the database into " + dir.toStdString());
    return dir;
}

} // namespace Books

namespace Memory {

namespace {
// A "Vm...:  1234 kB" line of /proc/self/status, in bytes.
size_t StatusBytes(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key + ":", 0) == 0)
            return std::stoull(line.substr(key.size() + 1)) * 1024;
    }
    return 0;
}
} // namespace

size_t InUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

size_t Resident() { return StatusBytes("VmRSS"); }
size_t PeakResident() { return StatusBytes("VmHWM"); }

void ResetPeak()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace Memory
