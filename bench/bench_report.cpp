// How long the report takes: building the room section, the document bytes, a whole publication
// (write, load, show) and a whole "Расчет" of the main window from its click. Prints figures;
// asserts nothing.
#include "excess_pressure.h"
#include "glav.h"
#include "report_document.h"
#include "report_publisher.h"
#include "report_sections.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QLocale russian(QLocale::Russian, QLocale::Russia);

// A room with every calculator result filled, so each number of the report has digits to write.
CalculationState acetoneRoom()
{
    CalculationState state;
    state.A = 6.37551;
    state.B = 1281.721;
    state.C = 237.088;
    state.Pn = 46.0123456789;
    state.M = 58.08;
    state.pl = 2.28151234;
    state.n = 1;
    state.Fi = 50;
    state.Em = 10.5123;
    state.nC = 3;
    state.nH = 6;
    state.nO = 1;
    calculateRoom(state,
                  {QStringLiteral("900"), QStringLiteral("101"), QStringLiteral("10,5123"),
                   QStringLiteral("0,3"), QStringLiteral("117,3"), QStringLiteral("2,28151234"),
                   QStringLiteral("4,99"), QStringLiteral("3")},
                  russian);
    return state;
}

void RoomSection(benchmark::State& run)
{
    const CalculationState state = acetoneRoom();
    for (auto _ : run)
        benchmark::DoNotOptimize(roomSection(state, russian));
}
BENCHMARK(RoomSection)->Unit(benchmark::kMicrosecond);

void RoomCalculationAndDocumentBytes(benchmark::State& run)
{
    CalculationState state = acetoneRoom();
    const RoomFields fields{QStringLiteral("900"),  QStringLiteral("101"),   QStringLiteral("10,5123"),
                            QStringLiteral("0,3"),  QStringLiteral("117,3"), QStringLiteral("2,28151234"),
                            QStringLiteral("4,99"), QStringLiteral("3")};
    for (auto _ : run) {
        calculateRoom(state, fields, russian);
        benchmark::DoNotOptimize(reportDocument(roomSection(state, russian)));
    }
}
BENCHMARK(RoomCalculationAndDocumentBytes)->Unit(benchmark::kMicrosecond);

void PublishReportIntoAFolder(benchmark::State& run)
{
    QTemporaryDir folder;
    ReportPublisher publisher;
    publisher.setDocumentFolders({folder.path()});
    const QString out = roomSection(acetoneRoom(), russian);
    for (auto _ : run) {
        publisher.PublishReport(out);
        QApplication::processEvents();
    }
}
BENCHMARK(PublishReportIntoAFolder)->Unit(benchmark::kMicrosecond);

// The default place: beside the program, after the check that a file can be created there.
void PublishReportBesideTheProgram(benchmark::State& run)
{
    ReportPublisher publisher;
    const QString out = roomSection(acetoneRoom(), russian);
    for (auto _ : run) {
        publisher.PublishReport(out);
        QApplication::processEvents();
    }
}
BENCHMARK(PublishReportBesideTheProgram)->Unit(benchmark::kMicrosecond);

void MainWindowRoomCalculation(benchmark::State& run)
{
    Glav glav(russian);
    glav.show();
    const std::pair<const char*, const char*> typed[] = {
        {"Text1", "10,5123"}, {"Text3", "117,3"}, {"Text4", "2,28151234"}, {"Text5", "4,99"}};
    for (const auto& [name, text] : typed)
        glav.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
    auto* calculate = glav.findChild<QPushButton*>(QStringLiteral("Command1"));
    for (auto _ : run) {
        calculate->click();
        QApplication::processEvents();
    }
}
BENCHMARK(MainWindowRoomCalculation)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("overpressure-bench"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
