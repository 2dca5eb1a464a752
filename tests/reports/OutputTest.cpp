// The reports menu, and export to CSV and printing of every grid and report.
#include "ReportFixture.h"

#include "catalogue/uDeptList.h"
#include "ledger/uDeptInfo.h"
#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "reports/BookPrint.h"
#include "reports/uMonthAnalysis.h"
#include "reports/uMonthReport.h"
#include "reports/uSubjectReport.h"
#include "shell/Main.h"

#include <QFile>
#include <QMenuBar>
#include <QPrinter>
#include <QRegularExpression>

namespace {

// Reads CSV as RFC 4180 has it: quoted fields may hold commas, quotes
// (doubled) and line breaks; records end with CRLF.
TextRows ParseCsv(const QString& text)
{
    TextRows rows;
    QStringList record;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text.at(i + 1) == '"')
                field += c, ++i;
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            record << field;
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n') {
            record << field;
            rows.push_back(record);
            record.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    EXPECT_TRUE(field.isEmpty() && record.isEmpty()) << "the last record ends with CRLF";
    return rows;
}

// The file's records, after checking that it starts with the UTF-8 byte order mark.
TextRows ReadCsv(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "no file " << path.toStdString();
        return {};
    }
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    return ParseCsv(QString::fromUtf8(bytes.mid(3)));
}

int PdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    return int(QString::fromLatin1(bytes).count(page));
}

} // namespace

TEST_F(ReportTest, ReportsMenuIsThereForEveryUserWhateverTheEditRights)
{
    QMenuBar* bar = frmMain->menuBar();
    ASSERT_TRUE(bar->actions().contains(frmMain->NTestPaper->menuAction()));
    QStringList captions;
    for (QAction* action : frmMain->NTestPaper->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(captions, (QStringList{"自定条件查询", "本月财务分析", "分类统计", "-", "月报表", "-",
                                     "导出到CSV...", "打印帐簿...", "帐簿导出为PDF..."}));
    for (const bool rights : {false, true}) {
        frmMain->SetEditRights(rights);
        EXPECT_TRUE(frmMain->NTestPaper->menuAction()->isVisible());
        EXPECT_TRUE(frmMain->NTestPaper->isEnabled() && frmMain->NTestPaper->menuAction()->isEnabled()) << rights;
        EXPECT_TRUE(Entry(frmDeptInfo->pmWaste, QStringLiteral("导出到CSV..."))->isEnabled());
        EXPECT_TRUE(Entry(frmDeptInfo->pmFixed, QStringLiteral("导出到CSV..."))->isEnabled());
    }

    const struct {
        QString caption;
        platform::Form* form;
    } reports[] = {{"本月财务分析", frmMonthAnalysis}, {"分类统计", frmSubjectReport}, {"月报表", frmMonthReport}};
    for (const auto& report : reports) {
        Desktop().Clear();
        Entry(frmMain->NTestPaper, report.caption)->trigger();
        ASSERT_EQ(Desktop().ShownForms().size(), 1u);
        EXPECT_EQ(Desktop().ShownForms()[0], report.form);
        EXPECT_EQ(report.form->windowTitle(), report.caption);
    }
}

TEST_F(ReportTest, BookGridExportsWhatItShowsAsCsv)
{
    AddEntry(drama, fees, 12.5, QStringLiteral("2006-05-01"), QStringLiteral("逗号,引号\"和\r\n换行"));
    frmDeptInfo->DeptID = QString::number(drama);
    frmDeptInfo->LoadDept();
    const platform::db::DataGrid* grid = frmDeptInfo->DBG;
    ASSERT_EQ(grid->RowCount(), 3);

    Desktop().AnswerSaveFileName(Dir() + QStringLiteral("/流水帐.csv"));
    Entry(frmDeptInfo->pmWaste, QStringLiteral("导出到CSV..."))->trigger();
    ASSERT_EQ(Desktop().FileDialogs().size(), 1u);
    EXPECT_EQ(Desktop().FileDialogs()[0].filter, "CSV 文件 (*.csv)");
    EXPECT_EQ(ReadCsv(Dir() + QStringLiteral("/流水帐.csv")), TableRows(*grid->model()));
    // The text of every cell, Chinese and the special characters intact, dates
    // as yyyy-MM-dd and numbers with a decimal point.
    const TextRows rows = ReadCsv(Dir() + QStringLiteral("/流水帐.csv"));
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const QStringList& row) {
        return row.contains("逗号,引号\"和\r\n换行") && row.contains("2006-05-01") && row.contains("12.5")
               && row.contains("话剧社");
    }));

    // The main menu's entry exports the grid on the active page.
    frmDeptInfo->PC_date->setCurrentIndex(0);
    Desktop().AnswerSaveFileName(Dir() + QStringLiteral("/assets.csv"));
    Entry(frmMain->NTestPaper, QStringLiteral("导出到CSV..."))->trigger();
    EXPECT_EQ(ReadCsv(Dir() + QStringLiteral("/assets.csv")), TableRows(*frmDeptInfo->DBGrid1->model()));

    // Cancelling the file question writes nothing.
    Desktop().AnswerSaveFileName(QString());
    Entry(frmDeptInfo->pmFixed, QStringLiteral("导出到CSV..."))->trigger();
    EXPECT_FALSE(QFile::exists(Dir() + QStringLiteral("/固定资产.csv")));
}

TEST_F(ReportTest, AssociationListAndReportTablesExportAsCsv)
{
    Desktop().OnModal([](platform::Form&) {
        const QList<QAction*> actions = frmDeptList->DBGrid1->actions();
        ASSERT_EQ(actions.size(), 1);
        EXPECT_EQ(frmDeptList->DBGrid1->contextMenuPolicy(), Qt::ActionsContextMenu);
        actions.first()->trigger();
    });
    frmDeptList->ShowModal();
    const TextRows list = ReadCsv(Dir() + QStringLiteral("/社团列表.csv"));
    EXPECT_EQ(list, TableRows(*frmDeptList->DBGrid1->model()));
    EXPECT_EQ(list.size(), 4u) << "the titles and three associations";

    Desktop().OnModal([](platform::Form& form) {
        auto& report = static_cast<TfrmMonthReport&>(form);
        report.spn_year->setValue(2006);
        report.btn_queryClick();
        report.btn_csvClick();
    });
    frmMonthReport->ShowModal();
    const QString proposed = Desktop().FileDialogs().back().defaultPath;
    EXPECT_EQ(proposed, "月报表_2006_全部社团.csv");
    const TextRows months = ReadCsv(Dir() + QLatin1Char('/') + proposed);
    EXPECT_EQ(months, TableRows(*frmMonthReport->TableModel(0)));
    ASSERT_EQ(months.size(), 15u);
    EXPECT_EQ(months.back(), (QStringList{"全年合计", "1280.40", "1370.95", "-90.55", "-20.80"}));
}

TEST_F(ReportTest, ReportsPrintAndSaveAsPdfWithTheirPages)
{
    Desktop().OnModal([](platform::Form& form) {
        auto& report = static_cast<TfrmMonthReport&>(form);
        report.spn_year->setValue(2006);
        report.btn_queryClick();
        report.btn_pdfClick();
        report.btn_printClick();  // no printer chosen: nothing printed
    });
    frmMonthReport->ShowModal();
    EXPECT_EQ(PdfPages(Dir() + QStringLiteral("/月报表_2006_全部社团.pdf")), 1);
    EXPECT_EQ(Desktop().PrinterChoices(), 1);

    const QString printed = Dir() + QStringLiteral("/printed.pdf");
    Desktop().OnPrinter([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
    });
    Desktop().OnModal([](platform::Form& form) { static_cast<TfrmReport&>(form).btn_printClick(); });
    platform::Clock::Set(QDateTime(QDate(2006, 3, 20), QTime(12, 0)));
    frmMonthAnalysis->ShowModal();
    EXPECT_EQ(PdfPages(printed), 1);
    const platform::PrintDocument analysis = frmMonthAnalysis->Document();
    EXPECT_EQ(analysis.title, "本月财务分析");
    ASSERT_EQ(analysis.tables.size(), 3u);
    EXPECT_EQ(analysis.tables[1].totals, (QStringList{"合计", "1000.00", "1320.90", "-320.90"}));
}

TEST_F(ReportTest, BooksOfAnAssociationPrintOnAsManyPagesAsTheyNeed)
{
    Sql(QStringLiteral("BEGIN"));
    for (int day = 0; day < 150; ++day)
        AddEntry(chess, day % 2 ? fees : activity, day + 0.5, platform::DateToIso(QDate(2006, 1, 1).addDays(day)),
                 QStringLiteral("第%1笔").arg(day + 1));
    Sql(QStringLiteral("COMMIT"));
    frmDeptInfo->DeptID = QString::number(chess);
    frmDeptInfo->LoadDept();

    Desktop().AnswerSaveFileName(Dir() + QStringLiteral("/books.pdf"));
    Entry(frmMain->NTestPaper, QStringLiteral("帐簿导出为PDF..."))->trigger();
    const int pages = PdfPages(Dir() + QStringLiteral("/books.pdf"));
    // 150 rows of about 20 points on pages of about 750 points.
    EXPECT_GE(pages, 3);
    EXPECT_LE(pages, 8);

    const platform::PrintDocument books = FinanceWindowDocument();
    EXPECT_EQ(platform::SavePdf(books, Dir() + QStringLiteral("/again.pdf")), pages);
    EXPECT_EQ(books.title, "社团财务帐簿");
    EXPECT_EQ(books.subtitles.value(0), "社团：棋社    类别：文化类");
    EXPECT_EQ(books.subtitles.value(1), "期间：2006-01-01 至 2006-05-30");
    ASSERT_EQ(books.tables.size(), 3u);
    EXPECT_EQ(books.tables[0].totals.value(0), "资产总计");
    EXPECT_TRUE(books.tables[0].totals.contains("300.00"));
    EXPECT_EQ(books.tables[1].rows.size(), 150u);
    // 75 income entries of 1.5, 3.5, ... 149.5 and 75 expenses of 0.5, 2.5, ... 148.5.
    EXPECT_EQ(books.tables[2].rows, (TextRows{{"收入总计", "5662.50"}, {"支出总计", "5587.50"}}));
    EXPECT_EQ(books.tables[2].totals, (QStringList{"合计", "75.00"}));
}
