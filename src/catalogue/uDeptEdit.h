#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"

#include <QDateTime>
#include <QPlainTextEdit>
#include <QPushButton>

// The association editor: collects one association's data for a new or
// changed association.
class TfrmDeptEdit : public platform::Form {
    Q_OBJECT
public:
    explicit TfrmDeptEdit(QWidget* parent = nullptr);

    void SetDept(const QString& name, const QString& typeID, const QString& manager,
                 const QString& managerTel, const QString& basicThing, const QString& foundDate);
    void ReadDept(const QString& id);
    void btn_OKClick();
    void btn_CancelClick();

    QString DeptName;
    QString DeptTypeID;
    QString DeptManager;
    QString DeptManagerTel;
    QString DeptBasicThing;
    QDateTime DeptFoundDate;

    platform::UpperCaseEdit* Edt_name;
    platform::IdComboBox* cbo_DeptType;
    platform::DatePicker* dtp_found;
    platform::UpperCaseEdit* Edt_Manager;
    platform::UpperCaseEdit* Edt_Manager_Tel;
    QPlainTextEdit* Memo1;
    QPushButton* btn_OK;
    QPushButton* btn_Cancel;

protected:
    void FormShow() override;

private:
    QString m_sql;
};

extern TfrmDeptEdit* frmDeptEdit;
