#include "shell/dbmodule.h"

#include "data/Schema.h"
#include "platform/Desktop.h"

TDM* DM = nullptr;

TDM::TDM(QObject* parent)
    : QObject(parent), DB(new platform::db::Connection(this)),
      temQry(new platform::db::Query(DB, this))
{
    DB->SetRequiredTables(Schema::TableNames());
    DataModuleCreate();
}

// The password setting is kept in the connection string as the program has
// always carried it; the SQLite engine has no database password and ignores it.
void TDM::DataModuleCreate()
{
    try {
        DB->Close();
        DB->SetConnectionString(QString());
        const QString connectionString = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=")
                                         + QStringLiteral("DB.mdb;Persist Security Info=False;")
                                         + QStringLiteral("Jet OLEDB:Database Password=365074");
        DB->SetConnectionString(connectionString);
        DB->Open();
    } catch (...) {
        platform::Desktop::Current().MessageBox(QStringLiteral("数据库连接错误！请检查数据环境！"),
                                                QStringLiteral("数据库错误！"),
                                                platform::Icon::Error, platform::Buttons::Ok);
    }
}
