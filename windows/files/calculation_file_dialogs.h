#pragma once

#include "calculation_state.h"

#include <QLocale>
#include <QString>

class QWidget;

// What became of a save or open that the user started from the file menu.
struct FileStep {
    enum Outcome { Done, Cancelled, Failed };
    Outcome outcome = Cancelled;
    QString path; // the file as the dialog returned it; empty after a cancel
};

// Asks where to save (the dialog asks before replacing an existing file) and writes the state there.
// The target is replaced only by a completely written file; a failure is told in a critical message
// box that names the file, and leaves whatever was there before.
FileStep saveCalculationAs(QWidget* parent, const CalculationState& state, const QLocale& locale);

// Asks for a calculation file to open: its full path, or an empty string when the user cancelled.
QString chooseCalculationToOpen(QWidget* parent);

// Reads and checks all of the file at `path` (made absolute), and only then stores its numbers into
// the state. A file that cannot be read or is not a complete calculation file changes nothing and
// is told in a critical message box that names the file and the problem.
FileStep openCalculationFile(QWidget* parent, CalculationState& state, const QString& path);
