#include "ui/plans/planprint.h"

#include <QAbstractItemModel>
#include <QDate>
#include <QLocale>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace {

constexpr qreal kIndentPerLevel = 10;

void addRows(const QAbstractItemModel &tree, const QModelIndex &parent, int depth, QTextTable *table)
{
    for (int row = 0; row < tree.rowCount(parent); ++row) {
        const QModelIndex index = tree.index(row, 0, parent);
        const int at = table->rows();
        table->appendRows(1);
        for (int column = 0; column < tree.columnCount(); ++column) {
            QTextTableCell cell = table->cellAt(at, column);
            if (column == 0) {
                QTextTableCellFormat indented = cell.format().toTableCellFormat();
                indented.setLeftPadding(4 + depth * kIndentPerLevel);
                cell.setFormat(indented);
            }
            cell.firstCursorPosition().insertText(index.siblingAtColumn(column).data().toString());
        }
        addRows(tree, index, depth + 1, table);
    }
}

}  // namespace

QTextDocument *planDocumentForPrint(const QAbstractItemModel &tree, const QString &planName, QObject *parent)
{
    auto *document = new QTextDocument(parent);
    QFont font = document->defaultFont();
    font.setPointSize(8);
    document->setDefaultFont(font);
    QTextCursor cursor(document);
    QTextCharFormat title;
    title.setFontPointSize(12);
    title.setFontWeight(QFont::Bold);
    cursor.insertText(planName, title);
    cursor.insertBlock();
    cursor.insertText(QLocale().toString(QDate::currentDate(), QLocale::LongFormat), QTextCharFormat());
    cursor.insertBlock();
    QTextTableFormat format;
    format.setHeaderRowCount(1);  // repeated at the top of every page
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QTextTable *table = cursor.insertTable(1, tree.columnCount(), format);
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    for (int column = 0; column < tree.columnCount(); ++column)
        table->cellAt(0, column).firstCursorPosition().insertText(tree.headerData(column, Qt::Horizontal).toString(),
                                                                  heading);
    addRows(tree, {}, 0, table);
    return document;
}
