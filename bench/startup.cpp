// Start-up, calculation and memory figures of the program as a user meets them, measured in one
// process: the time from constructing the application to the main window shown and painted, the
// time from a click on "Расчет" to the report window painted with the new report, and the peak
// resident memory. Prints its figures; asserts nothing.
#include "glav.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

// Notes the first paint of any widget inside the window with the given objectName.
class PaintWatcher : public QObject {
  public:
    explicit PaintWatcher(QString windowName) : windowName_(std::move(windowName)) {}
    bool painted = false;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(object);
            if (widget && widget->window()->objectName() == windowName_)
                painted = true;
        }
        return false;
    }

  private:
    QString windowName_;
};

bool waitFor(const bool& flag)
{
    QElapsedTimer limit;
    limit.start();
    while (!flag && limit.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return flag;
}

double peakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // Linux reports kilobytes
}

void type(Glav& glav, const char* name, const QString& text)
{
    glav.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    Glav::prepareApplication();
    Glav glav;
    PaintWatcher mainPainted(QStringLiteral("Glav"));
    app.installEventFilter(&mainPainted);
    glav.show();
    const bool shown = waitFor(mainPainted.painted);
    const double startupMs = clock.nsecsElapsed() / 1e6;
    app.removeEventFilter(&mainPainted);
    QApplication::processEvents(); // the report typeface is looked up once the window is up

    const QLocale locale;
    type(glav, "Text1", locale.toString(10));
    type(glav, "Text3", locale.toString(100));
    type(glav, "Text4", locale.toString(2));
    type(glav, "Text5", locale.toString(4));
    auto* calculate = glav.findChild<QPushButton*>(QStringLiteral("Command1"));
    std::vector<double> calculationMs;
    for (int run = 0; run < 25; ++run) {
        type(glav, "Text1", locale.toString(10 + run));
        PaintWatcher reportPainted(QStringLiteral("Result_Out"));
        app.installEventFilter(&reportPainted);
        clock.restart();
        QTest::mouseClick(calculate, Qt::LeftButton);
        waitFor(reportPainted.painted);
        calculationMs.push_back(clock.nsecsElapsed() / 1e6);
        app.removeEventFilter(&reportPainted);
    }
    std::printf("platform:                         %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("main window shown and painted:    %.1f ms%s\n", startupMs, shown ? "" : " (no paint seen)");
    std::printf("calculation to report painted:    first %.1f ms, median %.1f ms, max %.1f ms (%zu runs)\n",
                calculationMs.front(), median(calculationMs),
                *std::max_element(calculationMs.begin(), calculationMs.end()), calculationMs.size());
    std::printf("peak resident memory:             %.1f MB\n", peakResidentMegabytes());
    return 0;
}
