#pragma once

#include <QString>

class QWidget;

// A window as text, one line per control in tree order: name, class, parent, geometry, what it
// shows (caption, title or text), tooltip, field colour, bold caption, check state and its place in
// the tab order, then its menus and tool bars with their actions (Qt's own "qt_…" parts left out).
// A test compares it with a file kept beside the tests, so a layout, caption or tab order is
// checked without restating it control by control.
QString dumpWindow(const QWidget& window);

// Compares the window's dump with `expectedFile`. With OVERPRESSURE_UPDATE_DUMPS=1 in the
// environment the file is written instead, for a deliberate change of a window.
void expectWindowDump(const QWidget& window, const QString& expectedFile);
