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
#include <QPushButton>
#include <QTableWidget>
#include <QTextStream>

// The gas window shows a hydrogen supply line of two sections, calculated.
void fillGasExample(QWidget* window)
{
    const std::pair<const char*, const char*> texts[] = {{"apparatusPressure", "0"},
                                                         {"apparatusVolume", "0"},
                                                         {"density", "0,0792"},
                                                         {"flowRate", "0,01"},
                                                         {"pipelinePressure", "600"}};
    for (const auto& [name, text] : texts)
        window->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
    auto* table = window->findChild<QTableWidget*>(QStringLiteral("pipelines"));
    for (const auto& [diameter, length] : {std::pair{"25", "40"}, std::pair{"15", "10"}}) {
        const int row = table->rowCount();
        table->insertRow(row);
        table->setItem(row, 0, new QTableWidgetItem(QString::fromLatin1(diameter)));
        table->setItem(row, 1, new QTableWidgetItem(QString::fromLatin1(length)));
    }
    window->findChild<QPushButton*>(QStringLiteral("calculate"))->click();
}

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
    bool allSaved = true;
    for (QWidget* window : std::initializer_list<QWidget*>{
             new Steh(&opener, state, locale), new Plotn(&opener, state, locale),
             new Plpar(&opener, state, locale), new Massjid(&opener, state, locale),
             new Massgas(&opener, state, locale)}) {
        window->show();
        if (window->objectName() == u"Massgas")
            fillGasExample(window);
        QApplication::processEvents();
        const QString path =
            folder.filePath(QStringLiteral("calculator-%1.png").arg(window->objectName().toLower()));
        const bool saved = window->grab().save(path);
        QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << Qt::endl;
        allSaved = allSaved && saved;
    }
    return allSaved ? 0 : 1;
}
