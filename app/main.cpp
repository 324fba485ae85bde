#include "form_layout.h"
#include "glav.h"
#include "modal.h"
#include "report_browser.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

namespace {

// `overpressure [FILE]`: FILE is a calculation file to open at start, as a file manager passes it.
void describeCommandLine(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Расчет избыточного давления взрыва"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("файл расчета (*.pzr), который открыть"),
                                 QStringLiteral("[FILE]"));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("overpressure"));
    QApplication::setApplicationVersion(QStringLiteral(OVERPRESSURE_VERSION));
    useDesignFont();
    useRussianQtTexts();
    QCommandLineParser commandLine;
    describeCommandLine(commandLine);
    commandLine.process(app);
    const QStringList files = commandLine.positionalArguments();
    if (files.size() > 1)
        commandLine.showHelp(2);

    Glav glav;
    glav.show();
    if (!files.isEmpty())
        glav.openCalculation(files.first());
    QTimer::singleShot(0, &glav, &warmUpReportFonts);
    return QApplication::exec();
}
