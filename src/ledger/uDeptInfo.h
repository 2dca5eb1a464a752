#pragma once

#include "platform/Controls.h"
#include "platform/db/DataGrid.h"
#include "platform/db/Query.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>

// The association finance window: one association's header, its two books and
// their totals. Its grids also show the search results.
class TfrmDeptInfo : public QWidget {
    Q_OBJECT
public:
    explicit TfrmDeptInfo(QWidget* parent = nullptr);

    void ClearDept();
    void LoadDept();
    void btn_viewClick();
    void NNewFixedClick();
    void NModiFixedClick();
    void NDeleFixedClick();
    void nNewWasteClick();
    void nModiWasteClick();
    void nDeleWasteClick();

    // ID of the association shown, as decimal text; empty for none.
    QString DeptID;

    QGroupBox* GP_dept;
    platform::UpperCaseEdit* Edt_name;
    platform::UpperCaseEdit* Edt_typename;
    platform::DatePicker* dtp_found;
    platform::UpperCaseEdit* Edt_Manager;
    platform::UpperCaseEdit* Edt_Manager_Tel;
    QPlainTextEdit* Memo1;
    QPushButton* btn_view;
    QSplitter* Splitter1;
    QTabWidget* PC_date;
    QLabel* lab_fixed;
    QLabel* Lab_Waste_in;
    QLabel* Lab_Waste_out;
    QLabel* Lab_Waste;
    platform::db::DataGrid* DBGrid1;
    platform::db::DataGrid* DBG;
    platform::db::Query* qryDept;
    platform::db::Query* qryFixed;
    platform::db::Query* qryWaste;
    platform::db::Query* qrySum;
    QMenu* pmFixed;
    QAction* NNewFixed;
    QAction* NModiFixed;
    QAction* NDeleFixed;
    QMenu* pmWaste;
    QAction* nNewWaste;
    QAction* nModiWaste;
    QAction* nDeleWaste;
};

extern TfrmDeptInfo* frmDeptInfo;
