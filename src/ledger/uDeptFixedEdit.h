#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"

#include <QPlainTextEdit>
#include <QPushButton>

// The fixed-asset editor: checks the input and hands it back as texts.
class TfrmDeptFixedEdit : public platform::Form {
    Q_OBJECT
public:
    explicit TfrmDeptFixedEdit(QWidget* parent = nullptr);

    void ClearFixed();
    void LoadFixed(const QString& id);
    void btn_OKClick();
    void btn_CancelClick();

    // Results, written only by OK.
    QString FixedName;
    QString FixedStatus;
    QString FixedPrice;
    QString FixedMemo;
    QString FixedDate;

    platform::UpperCaseEdit* Edt_DeptName;
    platform::UpperCaseEdit* Edt_Name;
    platform::UpperCaseEdit* Edt_Price;
    QComboBox* cbo_Status;
    platform::DatePicker* dtp_begin_use;
    QPlainTextEdit* Memo1;
    QPushButton* btn_OK;
    QPushButton* btn_Cancel;

private:
    void BuildLayout();
};

extern TfrmDeptFixedEdit* frmDeptFixedEdit;
