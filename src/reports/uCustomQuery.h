#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"

#include <QCheckBox>
#include <QPointer>
#include <QPushButton>

// "自定条件查询": the search across all associations, widened by subject and
// remarks text. Its results go into the finance window's two grids, as the
// search tab's do, with the finance window in search mode.
class TfrmCustomQuery : public platform::Form {
    Q_OBJECT
public:
    explicit TfrmCustomQuery(QWidget* parent = nullptr);

    void btn_searchClick();

    // The two statements for the criteria; the fixed-asset one is empty when the
    // criteria cannot match a fixed asset (range "流水帐", or a subject chosen).
    QString FixedStatement() const;
    QString WasteStatement() const;

    QComboBox* cbo_range;
    platform::IdComboBox* cbo_dept;
    platform::IdComboBox* cbo_subject;
    QLineEdit* Edt_memo;
    QCheckBox* cb_Money;
    platform::UpperCaseEdit* Edt_low;
    platform::UpperCaseEdit* Edt_Hight;
    QCheckBox* cb_date;
    platform::DatePicker* DTP_begin;
    platform::DatePicker* DTP_End;
    QPushButton* btn_search;
    QPushButton* btn_cancel;

protected:
    void FormShow() override;

private:
    QString Conditions(const QString& dateColumn, const QString& amountColumn) const;
};

// A LIKE pattern finding the text anywhere, with "%", "_" and the escape
// character itself matched literally (use with ESCAPE '\').
QString ContainsPattern(const QString& text);

extern QPointer<TfrmCustomQuery> frmCustomQuery;
