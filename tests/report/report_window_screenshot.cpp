// Not a test: runs a room calculation in the main window and saves a picture of the report window
// it opens, for the documentation. Usage: report_window_screenshot picture.png
#include "glav.h"
#include "result_out.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
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
    glav.reportPublisher.setDocumentPath(folder.filePath(QStringLiteral("proect.htm")));
    glav.state.A = 6.37551;
    glav.state.B = 1281.721;
    glav.state.C = 237.088;
    glav.state.Pn = 46.0123;
    glav.state.M = 58.08;
    glav.state.pl = 2.2815;
    glav.state.n = 1;
    glav.state.Fi = 50;
    glav.state.Em = 10.5;
    glav.state.nC = 3;
    glav.state.nH = 6;
    glav.state.nO = 1;
    glav.show();
    const std::pair<const char*, const char*> typed[] = {
        {"Text1", "10,5"}, {"Text3", "100"}, {"Text4", "2,2815"}, {"Text5", "4,99"}};
    for (const auto& [name, text] : typed)
        glav.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
    glav.findChild<QPushButton*>(QStringLiteral("Command1"))->click();

    const QString picture = QString::fromLocal8Bit(argv[1]);
    int status = 1;
    QTimer::singleShot(1000, [&] {
        if (Result_Out* window = glav.reportPublisher.window())
            status = window->grab().save(picture) ? 0 : 1;
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
