#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"

#include <QPushButton>
#include <QRadioButton>

// The subject editor: a subject's name and kind (income or expense).
class TfrmWasteTypeEdit : public platform::Form {
    Q_OBJECT
public:
    explicit TfrmWasteTypeEdit(QWidget* parent = nullptr);

    // Presets the name and the kind: "收入" selects income, any other text expense.
    void SetSubject(const QString& name, const QString& kind);
    void btn_OKClick();
    void btn_CancelClick();

    // Results, valid after OK.
    QString SubjectName;
    QString SubjectInOut;

    platform::UpperCaseEdit* Edt_name;
    QRadioButton* rb_in;
    QRadioButton* rb_out;
    QPushButton* btn_OK;
    QPushButton* btn_Cancel;

private:
    void BuildLayout();
};

extern TfrmWasteTypeEdit* frmWasteTypeEdit;
