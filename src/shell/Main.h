#pragma once

#include "platform/Controls.h"
#include "platform/db/Query.h"

#include <QAction>
#include <QCheckBox>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

// The main window: the frame with the menu, the tool bar, the left pane with the
// association tree and the search, and the finance window inside.
// Its members are defined in Main.cpp (frame and commands), MainTree.cpp (the
// association tree), MainDept.cpp (the tree's six commands) and MainSearch.cpp
// (the search tab).
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);

    // Frame and commands.
    void FormShow();
    bool FormCloseQuery();
    void SetEditRights(bool enable);
    void NViewDeptInfoClick();
    void NAddDataClick();
    void N4Click();
    void NDic_subjectClick();
    void NDeptClick();
    void NSetPasswordClick();
    void N6Click();
    void NAboutClick();
    void tb_firstClick();
    void tb_priorClick();
    void tb_nextClick();
    void tb_lastClick();
    void tb_closeClick();

    // Association tree.
    void LoadDeptTree();
    void TreeDeptClick();

    // The tree's context menu.
    void NnewDeptTypeClick();
    void NModiDeptTypeClick();
    void NDeleDeptTypeClick();
    void NnewDeptClick();
    void NModiDeptClick();
    void NDeleDeptClick();

    // Search tab.
    void PCChange();
    void btn_searchClick();

    QMenu* NTestBase;
    QAction* NViewDeptInfo;
    QAction* NAddData;
    QAction* N4;
    QMenu* NDictionary;
    QAction* NDic_subject;
    QAction* NDept;
    QAction* N13;
    QMenu* NSystem;
    QAction* NSetPassword;
    QAction* N6;
    QMenu* NTestPaper;
    QAction* NAbout;

    QToolBar* ToolBar1;
    QToolButton* tb_search;
    QToolButton* tb_Dic_Subject;
    QToolButton* ToolButton5;
    QToolButton* tb_first;
    QToolButton* tb_prior;
    QToolButton* tb_next;
    QToolButton* tb_last;
    QToolButton* tb_close;

    QWidget* Panel1;
    QTabWidget* PC;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QTreeWidget* TreeDept;
    QMenu* pmDept;
    QAction* NnewDeptType;
    QAction* NModiDeptType;
    QAction* NDeleDeptType;
    QAction* NnewDept;
    QAction* NModiDept;
    QAction* NDeleDept;

    QComboBox* cbo_range;
    platform::IdComboBox* cbo_dept;
    QCheckBox* cb_Money;
    platform::UpperCaseEdit* Edt_low;
    platform::UpperCaseEdit* Edt_Hight;
    QCheckBox* cb_date;
    platform::DatePicker* DTP_begin;
    platform::DatePicker* DTP_End;
    QPushButton* btn_search;

    QMdiArea* ClientArea;

    // The first showing runs FormShow (the login) before the window appears; a
    // cancelled login ends the program without showing it.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenu();
    void CreateToolBar();
    QWidget* CreateLeftPane();
    QWidget* CreateSearchTab();
    void ConnectHandlers();
    void MoveRecord(void (platform::db::Query::*step)());

    bool m_firstShowingDone = false;
};

extern TfrmMain* frmMain;
