#pragma once

#include "reports/uReport.h"

#include <QPointer>

// "分类统计": income and expense of a period per subject, for one association
// or all, each with its share of its kind's total.
class TfrmSubjectReport : public TfrmReport {
    Q_OBJECT
public:
    explicit TfrmSubjectReport(QWidget* parent = nullptr);

    platform::DatePicker* DTP_begin;
    platform::DatePicker* DTP_End;
    platform::IdComboBox* cbo_dept;

protected:
    void FormShow() override;
    void Refresh() override;
    QStringList Subtitles() const override;
    QString FileBaseName() const override;

private:
    int m_table;
};

extern QPointer<TfrmSubjectReport> frmSubjectReport;
