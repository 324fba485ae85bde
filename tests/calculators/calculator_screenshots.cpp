// Renders each calculator window, filled with a worked example, to calculator-<name>.png in the
// folder given on the command line, so the layouts can be looked at without clicking through.

#include "form_layout.h"
#include "massgas.h"
#include "massjid.h"
#include "plotn.h"
#include "plpar.h"
#include "steh.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>

namespace {

void type(QWidget* window, const char* field, const QString& text)
{
    window->findChild<QLineEdit*>(QString::fromLatin1(field))->setText(text);
}

void press(QWidget* window, const char* button)
{
    window->findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

bool save(QWidget* window, const QDir& folder)
{
    window->show();
    QApplication::processEvents();
    const QString path =
        folder.filePath(QStringLiteral("calculator-") + window->objectName().toLower() + u".png");
    const bool saved = window->grab().save(path);
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << Qt::endl;
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    useDesignFont();
    if (argc < 2) {
        QTextStream(stderr) << "usage: calculator_screenshots <folder>" << Qt::endl;
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QLocale locale(QLocale::Russian, QLocale::Russia);
    CalculationState state;
    QWidget opener;
    QLineEdit target;

    auto* steh = new Steh(&opener, &target, state, locale);
    type(steh, "Text1", QStringLiteral("2"));
    type(steh, "Text2", QStringLiteral("6"));
    type(steh, "Text3", QStringLiteral("1"));
    press(steh, "Command2");

    auto* plotn = new Plotn(&opener, &target, state, locale);
    type(plotn, "Text3", QStringLiteral("46,07"));
    press(plotn, "Command2");

    auto* plpar = new Plpar(&opener, &target, state, locale);
    type(plpar, "Text1", QStringLiteral("6"));
    type(plpar, "Text2", QStringLiteral("1200"));
    type(plpar, "Text3", QStringLiteral("230"));
    press(plpar, "Command1");

    auto* massjid = new Massjid(&opener, &target, state, locale);
    type(massjid, "Text3", QStringLiteral("2"));
    type(massjid, "Text5", QStringLiteral("1"));
    press(massjid, "Command2");

    auto* massgas = new Massgas(&opener);

    bool allSaved = true;
    for (QWidget* window : std::initializer_list<QWidget*>{steh, plotn, plpar, massjid, massgas})
        allSaved = save(window, folder) && allSaved;
    return allSaved ? 0 : 1;
}
