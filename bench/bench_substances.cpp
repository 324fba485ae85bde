// How long the user's own substances take with a long own table (8 000 rows): opening the
// substance window (its data alone, and the whole window with its list), and what a "Расчет"
// adds when the calculation names a table substance. Prints figures; asserts nothing.
#include "calculation_state.h"
#include "own_substances.h"
#include "substance_choice.h"
#include "substance_search.h"
#include "substance_table.h"
#include "substances.h"
#include "whole_file.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr int ownRowCount = 8000;
const QLocale russian(QLocale::Russian, QLocale::Russia);

QString ownName(int number)
{
    return QStringLiteral("Растворитель У-") + QString::number(number);
}

// A data folder whose own file holds 8 000 rows, each a checked copy of a shipped liquid.
class OwnTable {
  public:
    OwnTable()
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder_.path()));
        const auto& shipped = shippedSubstances();
        Substance row = *std::ranges::find(shipped, QStringLiteral("Толуол"), &Substance::name);
        std::vector<Substance> rows;
        for (int number = 1; number <= ownRowCount; ++number) {
            row.name = ownName(number);
            rows.push_back(row);
        }
        QDir().mkpath(QFileInfo(ownSubstancesPath()).absolutePath());
        writeFileWhole(ownSubstancesPath(), writeSubstanceTable(rows).toUtf8());
        if (const QString damage = loadOwnSubstances(ownSubstancesPath()).damage; !damage.isEmpty())
            qFatal("%s", qPrintable(damage));
    }
    // As if another copy had just written the file: the next reading cannot take the last one.
    static void markChanged()
    {
        const timespec now[2] = {{0, UTIME_NOW}, {0, UTIME_NOW}};
        utimensat(AT_FDCWD, QFile::encodeName(ownSubstancesPath()).constData(), now, 0);
    }

  private:
    QTemporaryDir folder_;
};

OwnTable& ownTable()
{
    static OwnTable table;
    return table;
}

void WindowDataAfterAChange(benchmark::State& state)
{
    ownTable();
    for (auto _ : state) {
        OwnTable::markChanged();
        OwnSubstances own = loadOwnSubstances(ownSubstancesPath());
        std::vector<Substance> all = shippedSubstances();
        all.insert(all.end(), own.rows.begin(), own.rows.end());
        benchmark::DoNotOptimize(searchSubstances(all, QString()));
    }
}
BENCHMARK(WindowDataAfterAChange)->Unit(benchmark::kMillisecond);

void WindowDataUnchanged(benchmark::State& state)
{
    ownTable();
    for (auto _ : state) {
        OwnSubstances own = loadOwnSubstances(ownSubstancesPath());
        std::vector<Substance> all = shippedSubstances();
        all.insert(all.end(), own.rows.begin(), own.rows.end());
        benchmark::DoNotOptimize(searchSubstances(all, QString()));
    }
}
BENCHMARK(WindowDataUnchanged)->Unit(benchmark::kMillisecond);

// The whole window: data, list of 8 000 + shipped rows, details of the first.
void WindowOpensUnchanged(benchmark::State& state)
{
    ownTable();
    QWidget opener;
    CalculationState calculation;
    for (auto _ : state) {
        Substances window(&opener, calculation, russian);
        QApplication::processEvents();
    }
}
BENCHMARK(WindowOpensUnchanged)->Unit(benchmark::kMillisecond);

// What a "Расчет" of a calculation that took its data from the last own row looks up.
void CalculationFindsItsSubstance(benchmark::State& state)
{
    ownTable();
    CalculationState calculation;
    const std::vector<Substance> known = knownSubstances();
    applySubstance(calculation, known.back(), russian);
    for (auto _ : state)
        benchmark::DoNotOptimize(chosenSubstance(calculation, knownSubstances()));
}
BENCHMARK(CalculationFindsItsSubstance)->Unit(benchmark::kMillisecond);

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
