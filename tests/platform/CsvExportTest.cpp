#include "platform/Conversions.h"
#include "platform/Errors.h"
#include "platform/db/CsvExport.h"

#include <QStandardItemModel>
#include <gtest/gtest.h>

using platform::db::CsvFromModel;

namespace {
QStandardItemModel* Model(const QStringList& titles, const QList<QVariant>& values)
{
    auto* model = new QStandardItemModel(1, int(titles.size()));
    model->setHorizontalHeaderLabels(titles);
    for (int column = 0; column < values.size(); ++column)
        model->setData(model->index(0, column), values[column]);
    return model;
}
} // namespace

TEST(CsvExport, QuotesOnlyWhereNeededAndWritesUtf8WithBom)
{
    std::unique_ptr<QStandardItemModel> model(Model(
        {QStringLiteral("名称"), QStringLiteral("a,b"), QStringLiteral("plain")},
        {QStringLiteral("说\"明\""), QStringLiteral("two\r\nlines"), QStringLiteral(" blanks ")}));
    EXPECT_EQ(CsvFromModel(*model),
              QByteArray("\xEF\xBB\xBF") + QStringLiteral("名称,\"a,b\",plain\r\n"
                                                           "\"说\"\"明\"\"\",\"two\r\nlines\", blanks \r\n")
                                               .toUtf8());
}

TEST(CsvExport, WritesDatesAndNumbersInTheFixedForms)
{
    std::unique_ptr<QStandardItemModel> model(Model(
        {QStringLiteral("d"), QStringLiteral("t"), QStringLiteral("m"), QStringLiteral("n")},
        {QDate(2006, 3, 5), QDateTime(QDate(2006, 3, 5), QTime(0, 0)), QDateTime(QDate(2006, 3, 5), QTime(8, 5, 1)),
         1234.5}));
    EXPECT_EQ(CsvFromModel(*model).mid(3), QByteArray("d,t,m,n\r\n2006-03-05,2006-03-05,2006-03-05 08:05:01,1234.5\r\n"));
}

TEST(CsvExport, AnEmptyTableHasItsTitlesOnly)
{
    QStandardItemModel model(0, 2);
    model.setHorizontalHeaderLabels({QStringLiteral("日期"), QStringLiteral("金额")});
    EXPECT_EQ(CsvFromModel(model), QByteArray("\xEF\xBB\xBF") + QStringLiteral("日期,金额\r\n").toUtf8());
}

TEST(CsvExport, AFileThatCannotBeWrittenIsAnError)
{
    QStandardItemModel model(0, 1);
    EXPECT_THROW(platform::db::ExportCsv(model, QStringLiteral("/nonexistent-dir/x.csv")), platform::Error);
}

TEST(MoneyToStr, RoundsToCentsAsTheFiguresReadElsewhere)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0.00"}, {1234.5, "1234.50"}, {0.1 + 0.2, "0.30"}, {-120.5, "-120.50"},
        {2.675, "2.68"}, {-2.675, "-2.68"}, {-0.001, "0.00"}, {1e9 + 0.005, "1000000000.01"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::MoneyToStr(c.value).toStdString(), c.text) << c.value;
}
