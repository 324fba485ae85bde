#pragma once

#include "child_window.h"
#include "spill.h"

#include <QLocale>

#include <optional>

class QLineEdit;
class QPushButton;
class QTableWidget;

// What the calculation already knows about the liquid when the window opens.
struct SpillStart {
    double vapourPressure = 0;           // Pн, kPa
    double molarMass = 0;                // M, kg/kmol
    double airTemperature = 0;           // design air temperature, °C
    std::optional<double> liquidDensity; // kg/m3, from the substance table
};

// Mass of vapour from a spill of a flammable liquid: what spills, the area it covers, how long it
// evaporates and what evaporates. "Применить" hands the result to the window that opened it by
// `applied` and closes; without a result for the inputs shown it closes and hands nothing. Editing any
// input discards the result shown, so what is applied always answers the inputs on the screen. Its
// opener takes no input while it is open.
class Spill : public ChildWindow {
    Q_OBJECT

  public:
    Spill(QWidget* opener, const SpillStart& start, const QLocale& locale);

  signals:
    void applied(const SpillResult& spill);

  private slots:
    void calculate_Click();
    void apply_Click();
    void addPipeline_Click();
    void removePipeline_Click();
    void discardResult();

  private:
    void buildSourceData();
    void buildPipelines(QWidget* sourceFrame);
    void buildResult();
    void connectHandlers();
    void Form_Load(const SpillStart& start);
    SpillFields fieldTexts() const;

    const QLocale locale_;
    double airTemperature_ = 0;
    std::optional<SpillResult> result_;

    QLineEdit* apparatusVolume = nullptr; // Vап, m3
    QLineEdit* flowRate = nullptr;        // q, m3/s
    QLineEdit* shutOffTime = nullptr;     // T, s
    QPushButton* shutOff120 = nullptr;
    QPushButton* shutOff300 = nullptr;
    QLineEdit* liquidDensity = nullptr;  // ρж, kg/m3
    QLineEdit* solventShare = nullptr;   // % by mass
    QLineEdit* floorArea = nullptr;      // m2
    QLineEdit* trayArea = nullptr;       // m2, empty: no tray
    QLineEdit* airSpeed = nullptr;       // U, m/s
    QLineEdit* vapourPressure = nullptr; // Pн, kPa
    QLineEdit* molarMass = nullptr;      // M, kg/kmol
    QLineEdit* T1 = nullptr;             // design air temperature, shown only
    QTableWidget* pipelines = nullptr;   // inner diameter, mm; length, m
    QPushButton* addPipeline = nullptr;
    QPushButton* removePipeline = nullptr;

    QLineEdit* liquidVolume = nullptr;        // Vж, m3
    QLineEdit* liquidMass = nullptr;          // mж, kg
    QLineEdit* spillArea = nullptr;           // Fи, m2
    QLineEdit* eta = nullptr;                 // η
    QLineEdit* evaporationRate = nullptr;     // W, kg/(s*m2)
    QLineEdit* fullEvaporationTime = nullptr; // Tполн, s
    QLineEdit* evaporationTime = nullptr;     // T, s
    QLineEdit* vapourMass = nullptr;          // m, kg
    QPushButton* calculate = nullptr;
    QPushButton* apply = nullptr;
};
