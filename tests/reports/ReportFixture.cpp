#include "ReportFixture.h"

void ReportTest::SetUp()
{
    ProgramTest::SetUp();
    Sql(QStringLiteral("BEGIN"));  // one write to the disk instead of one per row
    type = AddType(QStringLiteral("文化类"));
    choir = AddDept(QStringLiteral("合唱团"), type);
    drama = AddDept(QStringLiteral("话剧社"), type);
    chess = AddDept(QStringLiteral("棋社"), type);
    fees = AddSubject(QStringLiteral("会费"), QStringLiteral("收入"));
    grant = AddSubject(QStringLiteral("拨款"), QStringLiteral("收入"));
    activity = AddSubject(QStringLiteral("活动费"), QStringLiteral("支出"));
    equipment = AddSubject(QStringLiteral("器材"), QStringLiteral("支出"));
    other = AddSubject(QStringLiteral("其他"), QStringLiteral("其他"));

    AddEntry(choir, activity, 30.25, QStringLiteral("2005-06-01"));
    AddEntry(choir, fees, 100, QStringLiteral("2005-12-20"));
    AddEntry(choir, fees, 200.10, QStringLiteral("2006-01-05"));
    AddEntry(choir, activity, 50.05, QStringLiteral("2006-01-31"));
    AddEntry(choir, grant, 1000, QStringLiteral("2006-03-01"), QStringLiteral("学校拨款"));
    AddEntry(choir, equipment, 1200.40, QStringLiteral("2006-03-15"), QStringLiteral("购买谱架"));
    AddEntry(choir, other, 999, QStringLiteral("2006-06-10"));
    AddEntry(choir, fees, 0.1, QStringLiteral("2006-12-31"));
    AddEntry(choir, fees, 0.2, QStringLiteral("2006-12-31"));
    AddEntry(choir, fees, 500, QStringLiteral("2007-01-01"));
    AddEntry(drama, fees, 80, QStringLiteral("2006-02-28"));
    AddEntry(drama, activity, 120.5, QStringLiteral("2006-03-10"), QStringLiteral("演出服装"));
    AddFixed(chess, QStringLiteral("棋盘"), 300, QStringLiteral("2006-02-01"));
    AddFixed(choir, QStringLiteral("钢琴"), 5000.5, QStringLiteral("2005-09-01"));
    AddEntry(choir, 999, 77, QStringLiteral("2006-01-10"));
    AddEntry(999, fees, 88, QStringLiteral("2006-01-10"));
    Sql(QStringLiteral("COMMIT"));
}

TextRows ReportTest::TableRows(const QAbstractItemModel& model)
{
    TextRows rows;
    QStringList titles;
    for (int column = 0; column < model.columnCount(); ++column)
        titles << model.headerData(column, Qt::Horizontal).toString();
    rows.push_back(titles);
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < model.columnCount(); ++column)
            texts << model.data(model.index(row, column)).toString();
        rows.push_back(texts);
    }
    return rows;
}

QAction* ReportTest::Entry(const QMenu* menu, const QString& caption)
{
    for (QAction* action : menu->actions())
        if (action->text() == caption)
            return action;
    ADD_FAILURE() << "no menu entry " << caption.toStdString();
    return nullptr;
}
