#include "platform/Errors.h"
#include "platform/TablePrinter.h"

#include <QStandardItemModel>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int PdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}

platform::PrintDocument Document(int rows)
{
    platform::PrintDocument document;
    document.title = QStringLiteral("月报表");
    document.subtitles = {QStringLiteral("社团：全部社团")};
    platform::PrintTable table;
    table.titles = QStringList{QStringLiteral("月份"), QStringLiteral("金额")};
    table.rightAligned = {1};
    for (int row = 0; row < rows; ++row)
        table.rows.push_back({QStringLiteral("第%1行").arg(row + 1), QString::number(row)});
    table.totals = QStringList{QStringLiteral("合计"), QStringLiteral("0")};
    document.tables.push_back(table);
    return document;
}

} // namespace

TEST(TablePrinter, PagesGrowWithTheRowsAndEachIsInThePdf)
{
    QTemporaryDir dir;
    int previous = 0;
    for (const int rows : {0, 10, 100, 400}) {
        const QString path = dir.filePath(QStringLiteral("%1.pdf").arg(rows));
        const int pages = platform::SavePdf(Document(rows), path);
        EXPECT_EQ(PdfPages(path), pages) << rows;
        EXPECT_GE(pages, previous) << rows;
        previous = pages;
        if (rows <= 10) {
            EXPECT_EQ(pages, 1) << rows;
        }
    }
    // About 20 points a row on A4: 400 rows need more than 8 pages, fewer than 20.
    EXPECT_GT(previous, 8);
    EXPECT_LT(previous, 20);
}

TEST(TablePrinter, TableFromModelTakesTitlesTextsAndRightAlignment)
{
    QStandardItemModel model(2, 2);
    model.setHorizontalHeaderLabels({QStringLiteral("名称"), QStringLiteral("金额")});
    model.setData(model.index(0, 0), QStringLiteral("甲"));
    model.setData(model.index(0, 1), QStringLiteral("1.50"));
    model.setData(model.index(0, 1), int(Qt::AlignRight | Qt::AlignVCenter), Qt::TextAlignmentRole);
    const platform::PrintTable table = platform::TableFromModel(model);
    EXPECT_EQ(table.titles, (QStringList{QStringLiteral("名称"), QStringLiteral("金额")}));
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0], (QStringList{QStringLiteral("甲"), QStringLiteral("1.50")}));
    EXPECT_EQ(table.rightAligned, std::vector<int>{1});
}

TEST(TablePrinter, AFileThatCannotBeWrittenIsAnError)
{
    EXPECT_THROW(platform::SavePdf(Document(1), QStringLiteral("/nonexistent-dir/x.pdf")), platform::Error);
}
