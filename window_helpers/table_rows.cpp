#include "table_rows.h"

#include <QTableWidget>

QString cellText(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

void appendEmptyRow(QTableWidget* table)
{
    const int row = table->rowCount();
    table->insertRow(row);
    for (int column = 0; column < table->columnCount(); ++column)
        table->setItem(row, column, new QTableWidgetItem);
    table->setCurrentCell(row, 0);
    table->setFocus(Qt::OtherFocusReason);
}

void removeSelectedOrLastRow(QTableWidget* table)
{
    if (table->rowCount() == 0)
        return;
    const int current = table->currentRow();
    table->removeRow(current >= 0 ? current : table->rowCount() - 1);
}
