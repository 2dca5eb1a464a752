#pragma once

#include "reports/uReport.h"

#include <QLabel>
#include <QPointer>

// "本月财务分析": the current month at a glance: income, expense and balance
// against the month before, each association's figures, and the largest entries.
class TfrmMonthAnalysis : public TfrmReport {
    Q_OBJECT
public:
    explicit TfrmMonthAnalysis(QWidget* parent = nullptr);

    static constexpr int kLargestCount = 10;

    QLabel* lab_period;

protected:
    void Refresh() override;
    QStringList Subtitles() const override;
    QString FileBaseName() const override;

private:
    int m_comparison;
    int m_depts;
    int m_largest;
    QDate m_month;
};

extern QPointer<TfrmMonthAnalysis> frmMonthAnalysis;
