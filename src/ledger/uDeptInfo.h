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
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QLabel* Label1;
    QLabel* lab_fixed;
    QLabel* Label2;
    QLabel* Label6;
    QLabel* Label3;
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

private:
    QWidget* BuildHeader();
    QWidget* BuildFixedPage();
    QWidget* BuildWastePage();
    void BuildMenus();
    void ConnectHandlers();
    // The background of a cash-flow row: one colour for income, one for the rest.
    static QColor WasteRowColor(const platform::db::Query& query, int row);
    // True when no association is shown (empty or "-1").
    bool NoDept() const;
    // The ID of the current row of a grid's result set; empty if it has none.
    static QString CurrentID(const platform::db::Query* query);
    // The sum of the cash-flow entries of one subject kind ("收入" or "支出");
    // no entries sum to 0.
    double WasteTotal(const QString& inOut);
};

extern TfrmDeptInfo* frmDeptInfo;
