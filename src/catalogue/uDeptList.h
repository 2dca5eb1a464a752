#pragma once

#include "platform/Form.h"
#include "platform/db/DataGrid.h"
#include "platform/db/Query.h"

#include <QLabel>

// The read-only list of all associations with their type.
class TfrmDeptList : public platform::Form {
    Q_OBJECT
public:
    explicit TfrmDeptList(QWidget* parent = nullptr);

    QLabel* Label1;
    platform::db::DataGrid* DBGrid1;
    platform::db::Query* qryDept;

protected:
    void FormShow() override;
};

extern TfrmDeptList* frmDeptList;
