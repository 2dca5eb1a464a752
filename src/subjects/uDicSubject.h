#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"

#include <QPushButton>

// The subject dictionary: lists the subjects, adds and changes them.
class TfrmDicSubject : public platform::Form {
    Q_OBJECT
public:
    explicit TfrmDicSubject(QWidget* parent = nullptr);

    void btn_newClick();
    void btn_modiClick();
    void btn_closeClick();

    platform::IdListBox* lb_subject;
    QPushButton* btn_new;
    QPushButton* btn_modi;
    QPushButton* btn_close;

protected:
    void FormShow() override;

private:
    void BuildLayout();
    void ListSubjects();
    // The stored kind of a subject, "收入" or "支出".
    static QString StoredKind(const QString& id);

    QString m_sql;
};

extern TfrmDicSubject* frmDicSubject;
