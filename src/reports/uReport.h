#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/TablePrinter.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

#include <vector>

class QAbstractAxis;
class QChart;
class QValueAxis;
class QChartView;

// The money axis of a report chart: the range low to high, rounded to nice
// numbers, labelled without decimals.
QValueAxis* MoneyAxis(double low, double high);
// Puts the two axes on the chart, attaches every series to both, and places the
// legend below.
void AttachAxes(QChart* chart, QAbstractAxis* horizontal, QAbstractAxis* vertical);
class QVBoxLayout;

// Refills an ID list from an ID/NAME statement with an entry for "all" (ID 0)
// first, keeping the chosen item where it still exists.
void FillIdNameListWithAll(platform::IdComboBox* combo, const QString& statement, const QString& all);
// The associations so: "全部社团" and every association.
void FillDeptListWithAll(platform::IdComboBox* combo);

// What every report window has: its criteria across the top, its tables with a
// chart beside them, and the buttons to export, print and close. A report
// only reads; its figures come from the database's sums (ReportData).
class TfrmReport : public platform::Form {
    Q_OBJECT
public:
    // Reads the figures for the criteria and shows them.
    void btn_queryClick();
    // Exports the report's main table, prints the report, or saves it as PDF.
    void btn_csvClick();
    void btn_printClick();
    void btn_pdfClick();

    // What the report prints: its title, criteria and tables.
    platform::PrintDocument Document() const;
    // The tables as shown, with the totals as their last row.
    QStandardItemModel* TableModel(int index) const { return m_tables[size_t(index)].model; }
    int TableCount() const { return int(m_tables.size()); }
    QChart* Chart() const;

    QPushButton* btn_query;
    QPushButton* btn_csv;
    QPushButton* btn_print;
    QPushButton* btn_pdf;
    QPushButton* btn_close;

protected:
    TfrmReport(const QString& caption, QWidget* parent);

    // Reads the figures and fills the tables (SetTable) and the chart.
    virtual void Refresh() = 0;
    // The lines under the title: which associations and which period.
    virtual QStringList Subtitles() const = 0;
    // The file name proposed for exports, without extension.
    virtual QString FileBaseName() const { return windowTitle(); }

    void FormShow() override;

    // Places a criterion with its caption in the row across the top.
    void AddCriterion(const QString& caption, QWidget* field);
    // Adds a table under the previous one; the CSV button exports the main one.
    int AddTable(const QString& caption, bool main = false);
    void SetTable(int index, platform::PrintTable table);
    void SetChart(QChart* chart);


private:
    struct Table {
        QStandardItemModel* model;
        platform::PrintTable print;
    };

    QHBoxLayout* m_criteria;
    QVBoxLayout* m_tableArea;
    QChartView* m_chartView;
    std::vector<Table> m_tables;
    int m_mainTable = 0;
};
