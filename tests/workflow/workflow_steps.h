#pragma once

#include "glav.h"
#include "window_test.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QTemporaryDir>

#include <initializer_list>
#include <memory>
#include <utility>

// A field of a window and the text the user types into it.
using Typed = std::pair<const char*, QString>;

inline QString latin(const char* text)
{
    return QString::fromLatin1(text);
}

// The open top-level window with this name; a closed one waiting for deletion does not count.
QWidget* openWindow(const QString& name);

// One user working through a whole calculation: the program's windows are driven by their control
// names, the report goes into a folder of the test's own, and file dialogs answer with files there.
class Workflow : public testing::Test {
  protected:
    ~Workflow() override;

    // Starts the program: a new main window, shown, with its numbers in `locale`.
    void startProgram(const QLocale& locale);
    // Ends the program and starts it again: nothing of the calculation is left but its files.
    void restartProgram();
    Glav& glav() const { return *glav_; }

    // A number as the user types it in the program's locale; written here with a decimal comma.
    QString local(const char* commaText) const;

    // Presses `button` of `opener` and returns the calculator window it opened; the opener then
    // takes no input.
    QWidget* openCalculator(QWidget* opener, const char* button, const char* window);
    // Types the fields, presses "Расчет" and then "Применить"; returns the result the calculator
    // showed and checks that it reached the opener's field and that the opener takes input again.
    QString calculateAndApply(QWidget* calculator, std::initializer_list<Typed> fields, const char* calculate,
                              const char* result, const char* apply, QWidget* opener,
                              const char* openerField);

    QString fillStoichiometry(const char* nC, const char* nH, const char* nO, const char* nX);
    QString fillDensity(const char* molarMass, const char* temperature);
    // The liquid-vapour window with the vapour pressure from the Antoine window; returns the
    // vapour pressure and sets `mass` to the mass handed to the main window.
    QString fillLiquidVapour(const char* area, const char* flowFactor, const char* molarMass,
                             const char* const (&antoine)[3], QString& mass);

    // Types into the main window's fields; `typing` is "Field=number ...", numbers with a decimal comma.
    void typeMain(const char* typing);
    void press(const char* button);

    // Saves or opens through the file menu ("save", "open"), the dialog answered with `file`.
    void useFileMenu(const char* item, const QString& file);
    QString mainText(const char* field) const { return textOf(glav_.get(), latin(field)); }

    QString path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
    QByteArray reportDocument() const;
    static QByteArray fileBytes(const QString& path);
    static QByteArray expected(const QString& name);
    // Message boxes seen so far; file dialogs are not counted.
    long messageBoxes() const;

  private:
    QTemporaryDir folder_;
    QLocale locale_;
    std::unique_ptr<Glav> glav_;
    DialogRecorder dialogs_;
    QString chosenFile_;
};
