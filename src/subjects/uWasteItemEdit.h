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

    void SetSubject(const QString& name, const QString& kind);
    void btn_OKClick();
    void btn_CancelClick();

    QString SubjectName;
    QString SubjectInOut;

    platform::UpperCaseEdit* Edt_name;
    QRadioButton* rb_in;
    QRadioButton* rb_out;
    QPushButton* btn_OK;
    QPushButton* btn_Cancel;
};

extern TfrmWasteTypeEdit* frmWasteTypeEdit;
