#include "form_layout.h"
#include "glav.h"
#include "modal.h"
#include "report_browser.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("overpressure"));
    QApplication::setApplicationVersion(QStringLiteral("1.4"));
    useDesignFont();
    useRussianQtTexts();
    Glav glav;
    glav.show();
    QTimer::singleShot(0, &glav, &warmUpReportFonts);
    return QApplication::exec();
}
