#pragma once

#include "ProgramFixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QMenu>
#include <QStringList>

#include <ostream>
#include <vector>

// Readable failure messages for texts and rows of texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

using TextRows = std::vector<QStringList>;

// A small catalogue whose report figures are worked out by hand:
//  合唱团 (choir): entries before 2006 (opening balance 69.75), in January,
//                 March (a month with a negative balance), December (0.1 + 0.2)
//                 and 2007, plus an entry filed under a subject that counts as
//                 neither income nor expense;
//  话剧社 (drama): 80 income in February, 120.5 expense in March;
//  棋社 (chess):   fixed assets only;
//  two orphans:    an entry whose subject and one whose association is missing.
class ReportTest : public ProgramTest {
public:
    // The rows of a model as texts, the column titles first.
    static TextRows TableRows(const QAbstractItemModel& model);
    // The entry of a menu with that caption (fails the test if there is none).
    static QAction* Entry(const QMenu* menu, const QString& caption);

protected:
    void SetUp() override;

    int type = 0, choir = 0, drama = 0, chess = 0;
    int fees = 0, grant = 0, activity = 0, equipment = 0, other = 0;
};
