#include "reports/uReport.h"

#include "data/uPublic.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "reports/Output.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QSplitter>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

using platform::Application;

TfrmReport::TfrmReport(const QString& caption, QWidget* parent)
    : Form(parent), btn_query(new QPushButton(QStringLiteral("查  询"), this)),
      btn_csv(new QPushButton(QString::fromUtf8(reports::kExportCsvCaption), this)),
      btn_print(new QPushButton(QStringLiteral("打印..."), this)),
      btn_pdf(new QPushButton(QStringLiteral("导出PDF..."), this)),
      btn_close(new QPushButton(QStringLiteral("关  闭"), this)), m_criteria(new QHBoxLayout),
      m_tableArea(new QVBoxLayout), m_chartView(new QChartView(this))
{
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint | Qt::CustomizeWindowHint);
    resize(1120, 680);

    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setMinimumWidth(420);
    auto* tables = new QWidget(this);
    tables->setLayout(m_tableArea);
    m_tableArea->setContentsMargins(0, 0, 0, 0);
    auto* body = new QSplitter(this);
    body->addWidget(tables);
    body->addWidget(m_chartView);
    body->setStretchFactor(0, 3);
    body->setStretchFactor(1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {btn_csv, btn_print, btn_pdf, btn_close})
        buttons->addWidget(button);
    for (QPushButton* button : {btn_query, btn_csv, btn_print, btn_pdf, btn_close})
        button->setAutoDefault(false);

    m_criteria->addWidget(btn_query);
    m_criteria->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_criteria);
    layout->addWidget(body, 1);
    layout->addLayout(buttons);

    Application::On(btn_query, &QPushButton::clicked, this, [this] { btn_queryClick(); });
    Application::On(btn_csv, &QPushButton::clicked, this, [this] { btn_csvClick(); });
    Application::On(btn_print, &QPushButton::clicked, this, [this] { btn_printClick(); });
    Application::On(btn_pdf, &QPushButton::clicked, this, [this] { btn_pdfClick(); });
    Application::On(btn_close, &QPushButton::clicked, this,
                    [this] { SetModalResult(platform::mrCancel); });
}

void TfrmReport::FormShow() { btn_queryClick(); }

void TfrmReport::btn_queryClick() { Refresh(); }

void TfrmReport::btn_csvClick()
{
    reports::ExportToCsv(*m_tables[size_t(m_mainTable)].model, FileBaseName() + QStringLiteral(".csv"));
}

void TfrmReport::btn_printClick() { reports::PrintOnPrinter(Document()); }

void TfrmReport::btn_pdfClick() { reports::SaveAsPdf(Document(), FileBaseName() + QStringLiteral(".pdf")); }

platform::PrintDocument TfrmReport::Document() const
{
    platform::PrintDocument document;
    document.title = windowTitle();
    document.subtitles = Subtitles();
    document.subtitles << QStringLiteral("制表日期：") + platform::DateToStr(platform::Clock::Now().date());
    for (const Table& table : m_tables)
        document.tables.push_back(table.print);
    return document;
}

QValueAxis* MoneyAxis(double low, double high)
{
    auto* axis = new QValueAxis;
    axis->setRange(low, high > low ? high : low + 1);
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%.0f"));
    return axis;
}

void AttachAxes(QChart* chart, QAbstractAxis* horizontal, QAbstractAxis* vertical)
{
    chart->addAxis(horizontal, Qt::AlignBottom);
    chart->addAxis(vertical, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(horizontal);
        series->attachAxis(vertical);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
}

QChart* TfrmReport::Chart() const { return m_chartView->chart(); }

void TfrmReport::AddCriterion(const QString& caption, QWidget* field)
{
    const int at = m_criteria->indexOf(btn_query);
    m_criteria->insertWidget(at, platform::CaptionFor(field, caption, this));
    m_criteria->insertWidget(at + 1, field);
    m_criteria->insertSpacing(at + 2, 12);
}

int TfrmReport::AddTable(const QString& caption, bool main)
{
    auto* model = new QStandardItemModel(this);
    auto* view = new QTableView(this);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 8);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    const QString fileName = caption.isEmpty() ? windowTitle() : caption;
    reports::AddCsvExport(view, fileName + QStringLiteral(".csv"));
    if (!caption.isEmpty()) {
        auto* label = new QLabel(caption, this);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        m_tableArea->addWidget(label);
    }
    m_tableArea->addWidget(view, 1);
    m_tables.push_back({model, platform::PrintTable()});
    m_tables.back().print.caption = caption;
    if (main)
        m_mainTable = int(m_tables.size()) - 1;
    return int(m_tables.size()) - 1;
}

void TfrmReport::SetTable(int index, platform::PrintTable table)
{
    Table& target = m_tables[size_t(index)];
    table.caption = target.print.caption;
    QStandardItemModel* model = target.model;
    model->clear();
    model->setHorizontalHeaderLabels(table.titles);
    auto appendRow = [&](const QStringList& texts, bool bold) {
        QList<QStandardItem*> items;
        for (int column = 0; column < table.titles.size(); ++column) {
            auto* item = new QStandardItem(texts.value(column));
            if (std::find(table.rightAligned.begin(), table.rightAligned.end(), column)
                != table.rightAligned.end())
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (bold) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            items << item;
        }
        model->appendRow(items);
    };
    for (const QStringList& row : table.rows)
        appendRow(row, false);
    if (!table.totals.isEmpty())
        appendRow(table.totals, true);
    target.print = std::move(table);
}

void TfrmReport::SetChart(QChart* chart)
{
    QChart* old = m_chartView->chart();
    chart->setAnimationOptions(QChart::NoAnimation);
    m_chartView->setChart(chart);
    delete old;
}

void FillDeptListWithAll(platform::IdComboBox* combo)
{
    FillIdNameListWithAll(combo, QStringLiteral("SELECT ID,NAME FROM T_DEPT WHERE UPID>0"), QStringLiteral("全部社团"));
}

void FillIdNameListWithAll(platform::IdComboBox* combo, const QString& statement, const QString& all)
{
    const int chosen = combo->currentIndex() >= 0 ? combo->SelectedId() : 0;
    FillIdNameList(statement, *combo);
    combo->insertItem(0, all, 0);
    if (!combo->SelectId(chosen))
        combo->setCurrentIndex(0);
}
