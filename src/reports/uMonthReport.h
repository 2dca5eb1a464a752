#pragma once

#include "reports/uReport.h"

#include <QPointer>
#include <QSpinBox>

// "月报表": one year of one association or of all, month by month: income,
// expense, the month's balance and the running balance carried from the
// years before.
class TfrmMonthReport : public TfrmReport {
    Q_OBJECT
public:
    explicit TfrmMonthReport(QWidget* parent = nullptr);

    QSpinBox* spn_year;
    platform::IdComboBox* cbo_dept;

protected:
    void FormShow() override;
    void Refresh() override;
    QStringList Subtitles() const override;
    QString FileBaseName() const override;

private:
    int m_table;
};

extern QPointer<TfrmMonthReport> frmMonthReport;
