#include "platform/TablePrinter.h"

#include "platform/Errors.h"

#include <QAbstractItemModel>
#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace platform {

namespace {

// Builds the document. Lengths in text formats are screen pixels at 96 dpi,
// which the layout scales to the device; font sizes are points.
class Layout {
public:
    // Changes are gathered in one edit block: laid out once, at the end, not
    // again after every cell.
    explicit Layout(QTextDocument& document) : m_cursor(&document) { m_cursor.beginEditBlock(); }
    ~Layout() { m_cursor.endEditBlock(); }

    void Heading(const QString& text, qreal pointSize, bool bold, Qt::Alignment alignment)
    {
        QTextBlockFormat block;
        block.setAlignment(alignment);
        block.setBottomMargin(4 * m_point);
        QTextCharFormat chars;
        chars.setFontPointSize(pointSize);
        chars.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        if (!m_first)
            m_cursor.insertBlock();
        m_first = false;
        m_cursor.setBlockFormat(block);
        m_cursor.setBlockCharFormat(chars);
        m_cursor.insertText(text, chars);
    }

    void Table(const PrintTable& table)
    {
        const int columns = int(table.titles.size());
        if (columns == 0)
            return;
        if (!table.caption.isEmpty())
            Heading(table.caption, 11, true, Qt::AlignLeft);
        const bool withTotals = !table.totals.isEmpty();
        const int rows = 1 + int(table.rows.size()) + (withTotals ? 1 : 0);

        QTextTableFormat format;
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setHeaderRowCount(1);
        format.setBorder(0.75 * m_point);
        format.setBorderCollapse(true);
        format.setBorderBrush(Qt::black);
        format.setCellSpacing(0);
        format.setCellPadding(3 * m_point);
        format.setTopMargin(2 * m_point);
        format.setBottomMargin(8 * m_point);
        m_cursor.movePosition(QTextCursor::End);
        QTextTable* grid = m_cursor.insertTable(rows, columns, format);

        QTextTableCellFormat titleCell;
        titleCell.setBackground(QColor(230, 230, 230));
        for (int column = 0; column < columns; ++column) {
            grid->cellAt(0, column).setFormat(titleCell);
            Cell(grid, 0, column, table.titles.value(column), Qt::AlignCenter, true);
        }
        for (int row = 0; row < int(table.rows.size()); ++row)
            Row(grid, row + 1, table.rows[size_t(row)], table, false);
        if (withTotals)
            Row(grid, rows - 1, table.totals, table, true);
        m_cursor.movePosition(QTextCursor::End);
        m_first = false;
    }

private:
    void Row(QTextTable* grid, int row, const QStringList& texts, const PrintTable& table, bool bold)
    {
        for (int column = 0; column < grid->columns(); ++column) {
            const bool right = std::find(table.rightAligned.begin(), table.rightAligned.end(), column)
                               != table.rightAligned.end();
            Cell(grid, row, column, texts.value(column), right ? Qt::AlignRight : Qt::AlignLeft, bold);
        }
    }

    static void Cell(QTextTable* grid, int row, int column, const QString& text,
                     Qt::Alignment alignment, bool bold)
    {
        QTextCursor cursor = grid->cellAt(row, column).firstCursorPosition();
        QTextBlockFormat block;
        block.setAlignment(alignment);
        cursor.setBlockFormat(block);
        QTextCharFormat chars;
        chars.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        cursor.insertText(text, chars);
    }

    static constexpr qreal m_point = 96.0 / 72.0;
    QTextCursor m_cursor;
    bool m_first = true;
};

} // namespace

PrintTable TableFromModel(const QAbstractItemModel& model)
{
    PrintTable table;
    for (int column = 0; column < model.columnCount(); ++column) {
        table.titles << model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const auto alignment = Qt::Alignment(
            model.data(model.index(0, column), Qt::TextAlignmentRole).toInt());
        if (alignment & Qt::AlignRight)
            table.rightAligned.push_back(column);
    }
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < model.columnCount(); ++column)
            texts << model.data(model.index(row, column), Qt::DisplayRole).toString();
        table.rows.push_back(texts);
    }
    return table;
}

int Print(const PrintDocument& document, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        throw Error(QStringLiteral("无法开始打印。"));

    QTextDocument text;
    text.documentLayout()->setPaintDevice(&device);
    text.setDocumentMargin(0);
    QFont font = painter.font();
    font.setPointSizeF(10);
    text.setDefaultFont(font);
    {
        Layout layout(text);
        layout.Heading(document.title, 16, true, Qt::AlignCenter);
        for (const QString& line : document.subtitles)
            layout.Heading(line, 10, false, Qt::AlignCenter);
        for (const PrintTable& table : document.tables)
            layout.Table(table);
    }

    painter.setFont(font);
    const qreal footerHeight = 2.5 * painter.fontMetrics().height();
    const QSizeF body(device.width(), device.height() - footerHeight);
    text.setPageSize(body);
    const int pages = text.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        const QRectF shown(0, page * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(0, -shown.top());
        painter.setClipRect(shown);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = shown;
        text.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.drawText(QRectF(0, body.height(), body.width(), footerHeight),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("第 %1 页，共 %2 页").arg(page + 1).arg(pages));
    }
    painter.end();
    return pages;
}

int SavePdf(const PrintDocument& document, const QString& filePath)
{
    QPdfWriter writer(filePath);
    writer.setResolution(300);
    writer.setTitle(document.title);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    return Print(document, writer);
}

} // namespace platform
