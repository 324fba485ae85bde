// Renders each calculator window as it opens to calculator-<name>.png in the folder given on the command
// line, so the layouts can be looked at without clicking through.
#include "form_layout.h"
#include "massgas.h"
#include "massjid.h"
#include "plotn.h"
#include "plpar.h"
#include "steh.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTextStream>

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
    bool allSaved = true;
    for (QWidget* window : std::initializer_list<QWidget*>{
             new Steh(&opener, &target, state, locale), new Plotn(&opener, &target, state, locale),
             new Plpar(&opener, &target, state, locale), new Massjid(&opener, &target, state, locale),
             new Massgas(&opener)}) {
        window->show();
        QApplication::processEvents();
        const QString path =
            folder.filePath(QStringLiteral("calculator-%1.png").arg(window->objectName().toLower()));
        const bool saved = window->grab().save(path);
        QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << Qt::endl;
        allSaved = allSaved && saved;
    }
    return allSaved ? 0 : 1;
}
