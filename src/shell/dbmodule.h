#pragma once

#include "platform/db/Connection.h"
#include "platform/db/Query.h"

#include <QObject>

// The data module: the program's only database connection and the shared
// scratch query.
class TDM : public QObject {
    Q_OBJECT
public:
    explicit TDM(QObject* parent = nullptr);

    // Builds the fixed connection string and connects; a failure is reported once
    // and start-up goes on (every later use tries to connect again).
    void DataModuleCreate();

    platform::db::Connection* DB;
    platform::db::Query* temQry;
};

extern TDM* DM;
