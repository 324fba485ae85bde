#pragma once

#include "calculation_file.h"
#include "calculation_state.h"

#include <QLocale>
#include <QString>

#include <functional>

class QWidget;

// What became of a save or open that the user started from the file menu.
struct FileStep {
    enum Outcome { Done, Cancelled, Failed };
    Outcome outcome = Cancelled;
    QString path; // the file as the dialog returned it; empty after a cancel
};

// Asks where to save (the dialog asks before replacing an existing file) and writes the state and
// the extension entries there. The target is replaced only by a completely written file; a failure
// is told in a critical message box that names the file, and leaves whatever was there before.
FileStep saveCalculationAs(QWidget* parent, const CalculationState& state, const QLocale& locale,
                           const CalculationFileExtension& extension = {});

// Asks for a calculation file to open: its full path, or an empty string when the user cancelled.
QString chooseCalculationToOpen(QWidget* parent);

// Reads and checks all of the file at `path` (made absolute), and only then hands its contents to
// `take`, which checks the extension entries it knows before it stores anything. A file that cannot
// be read, is not a complete calculation file, or whose entries `take` refuses (UserError) changes
// nothing and is told in a critical message box that names the file and the problem.
FileStep openCalculationFile(QWidget* parent, const QString& path,
                             const std::function<void(const CalculationFileContents&)>& take);
