#include "glav.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

namespace {

// `overpressure [FILE]`: FILE is a calculation file to open at start, as a file manager passes it.
// `--check-start`, which users never need, lets a test start the real program under a given locale:
// once the main window is up it prints the start texts of Рмах, Ро, Z and Кн and ends.
const QCommandLineOption checkStart(QStringLiteral("check-start"));

void describeCommandLine(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Расчет избыточного давления взрыва"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("файл расчета (*.pzr), который открыть"),
                                 QStringLiteral("[FILE]"));
    QCommandLineOption hidden = checkStart;
    hidden.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(hidden);
}

void printStartTexts(const Glav& glav)
{
    QStringList texts;
    for (const char* name : {"Text7", "Text8", "Text2", "Text6"}) {
        const auto* field = glav.findChild<QLineEdit*>(QLatin1String(name));
        texts << QLatin1String(name) + u'=' + (field ? field->text() : QString());
    }
    std::fputs(texts.join(u' ').toUtf8().append('\n').constData(), stdout);
    std::fflush(stdout);
}

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("overpressure"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OVERPRESSURE_VERSION));
}

// --help, --version and a wrong option print and end the program before the windowing system is
// touched, so that they work without a display (over ssh, in a build script).
void answerWithoutDisplay(int argc, char* argv[])
{
    QCoreApplication plain(argc, argv);
    nameApplication();
    QCommandLineParser commandLine;
    describeCommandLine(commandLine);
    commandLine.process(plain);
}

} // namespace

int main(int argc, char* argv[])
{
    answerWithoutDisplay(argc, argv);
    QApplication app(argc, argv);
    nameApplication();
    Glav::prepareApplication();
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
    if (commandLine.isSet(checkStart))
        QTimer::singleShot(0, &glav, [&glav] {
            printStartTexts(glav);
            QApplication::quit();
        });
    return QApplication::exec();
}
