// Not a test: runs a room calculation in the main window and saves a picture of the report window it
// opens, for the documentation. Usage: report_window_screenshot picture.png
#include "example_state.h"
#include "glav.h"
#include "result_out.h"

#include <QApplication>
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
    glav.reportPublisher.setDocumentFolders({folder.path()});
    glav.state = calculatorResultsOfTheExample();
    glav.show();
    for (const auto& [name, text] :
         {std::pair{"Text1", "10,5"}, {"Text3", "100"}, {"Text4", "2,2815"}, {"Text5", "4,99"}})
        glav.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
    glav.findChild<QPushButton*>(QStringLiteral("Command1"))->click();

    int status = 1;
    QTimer::singleShot(1000, [&] {
        if (Result_Out* window = glav.reportPublisher.window())
            status = window->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
