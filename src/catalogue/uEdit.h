#pragma once

#include "platform/Form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The one-line text prompt: an association type's name, or a new password.
class TfrmEdit : public platform::Form {
    Q_OBJECT
public:
    explicit TfrmEdit(QWidget* parent = nullptr);

    void SetContent(const QString& text);
    void btn_OKClick();
    void btn_CancelClick();

    QString Content;
    QLabel* Label1;
    QLineEdit* Edt_content;
    QPushButton* btn_OK;
    QPushButton* btn_Cancel;
};

extern TfrmEdit* frmEdit;
