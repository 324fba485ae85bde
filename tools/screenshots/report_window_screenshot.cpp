// Not a test: runs a room calculation in the main window and saves a picture of the report window it
// opens, for the documentation. Usage: report_window_screenshot picture.png
#include "calculation_file.h"
#include "glav.h"
#include "result_out.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s picture.png\n", argv[0]);
        return 2;
    }
    QTemporaryDir folder;
    Glav glav(QLocale(QLocale::Russian, QLocale::Russia));
    // What the calculator windows leave for an acetone-like liquid, opened as a calculation file.
    CalculationState example;
    example.M = 58.08;
    example.Fi = 50;
    example.n = 1;
    example.Pn = 46.0123;
    example.Em = 10.5;
    example.pl = 2.2815;
    example.A = 6.37551;
    example.B = 1281.721;
    example.C = 237.088;
    example.nC = 3;
    example.nH = 6;
    example.nO = 1;
    QFile file(folder.filePath(QStringLiteral("example.pzr")));
    if (!file.open(QIODevice::WriteOnly)
        || file.write(writeCalculationFile(example, QLocale(QLocale::Russian, QLocale::Russia))) < 0)
        return 1;
    file.close();
    glav.openCalculation(file.fileName());
    glav.show();
    for (const auto& [name, text] :
         {std::pair{"Text1", "10,5"}, {"Text3", "100"}, {"Text4", "2,2815"}, {"Text5", "4,99"}})
        glav.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
    glav.findChild<QPushButton*>(QStringLiteral("Command1"))->click();

    int status = 1;
    QTimer::singleShot(1000, [&] {
        if (Result_Out* window = glav.reportWindow())
            status = window->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
