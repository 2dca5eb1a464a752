#pragma once

#include "platform/Form.h"

#include <QLabel>
#include <QPushButton>

// The About box.
class TfrmAboutBox : public platform::Form {
    Q_OBJECT
public:
    explicit TfrmAboutBox(QWidget* parent = nullptr);
    void FormCreate();

    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Copyright;
    QLabel* Comments;
    QPushButton* btn_OK;
};

extern TfrmAboutBox* frmAboutBox;
