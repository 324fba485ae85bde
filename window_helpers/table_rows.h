#pragma once

#include <QString>

class QTableWidget;

// The editable tables of the windows (pipeline sections, fire-load sites and materials, rooms).

// The text of a cell, empty when the cell was never filled.
QString cellText(const QTableWidget* table, int row, int column);

// Appends a row of empty cells and selects its first cell, where typing starts.
void appendEmptyRow(QTableWidget* table);

// Removes the selected row, or the last one when none is selected.
void removeSelectedOrLastRow(QTableWidget* table);
