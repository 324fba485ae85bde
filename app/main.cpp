#include "form_layout.h"
#include "glav.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("overpressure"));
    QApplication::setApplicationVersion(QStringLiteral("1.4"));
    useDesignFont();
    Glav glav;
    glav.show();
    return QApplication::exec();
}
