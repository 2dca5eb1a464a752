#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"

#include <QPlainTextEdit>
#include <QPushButton>

// The cash-flow entry editor: checks the amount and hands the entry back as texts.
class TfrmDeptWasteEdit : public platform::Form {
    Q_OBJECT
public:
    explicit TfrmDeptWasteEdit(QWidget* parent = nullptr);

    void ClearWaste();
    void LoadWaste(const QString& id);
    void cbo_Waste_typeChange();
    void btn_OKClick();
    void btn_CancelClick();

    // The loaded entry's subject; WasteTypeID not empty means an entry is changed.
    QString WasteTypeID;
    QString WasteTypeName;
    // Results, written only by OK (WasteTypeID too).
    QString WasteDate;
    QString WasteAmount;
    QString WasteMemo;

    platform::UpperCaseEdit* Edt_DeptName;
    platform::DatePicker* dtp_date;
    platform::UpperCaseEdit* Edt_AMOUNT;
    platform::IdComboBox* cbo_Waste_type;
    QLineEdit* Edt_Inout;
    QPlainTextEdit* Memo1;
    QPushButton* btn_OK;
    QPushButton* btn_Cancel;

protected:
    void FormShow() override;

private:
    void BuildLayout();
};

extern TfrmDeptWasteEdit* frmDeptWasteEdit;
