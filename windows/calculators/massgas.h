#pragma once

#include "calculation_state.h"
#include "calculator_window.h"
#include "gas_release.h"

#include <QLocale>

#include <optional>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

// Mass of a combustible gas released from an apparatus and its pipelines, kg (formulas А.6 to
// А.10); "Применить" writes it into the main window's mass field and hands the release to the
// main window, whose report then shows its derivation. Editing any input discards the result shown,
// so what is applied always answers the inputs on the screen.
class Massgas : public CalculatorWindow {
    Q_OBJECT

  public:
    // `applied` receives the release whose mass "Применить" writes into `target`.
    Massgas(QWidget* opener, QLineEdit* target, CalculationState& state, const QLocale& locale,
            std::optional<GasRelease>& applied);

  private slots:
    void calculate_Click();
    void Command1_Click(); // "Применить"
    void addPipeline_Click();
    void removePipeline_Click();
    void discardResult();

  private:
    void Form_Load();
    void buildSourceData();
    void buildPipelines();
    void buildResult();
    void connectHandlers();
    GasReleaseFields fieldTexts() const;

    std::optional<GasRelease>& applied_;
    std::optional<GasRelease> result_;

    QGroupBox* sourceFrame = nullptr;
    QLineEdit* apparatusPressure = nullptr; // P1, kPa
    QLineEdit* apparatusVolume = nullptr;   // V, m3
    QLineEdit* density = nullptr;           // ρ, kg/m3
    QLineEdit* flowRate = nullptr;          // q, m3/s
    QLineEdit* shutOffTime = nullptr;       // T, s
    QPushButton* automaticShutOff = nullptr;
    QPushButton* manualShutOff = nullptr;
    QLineEdit* pipelinePressure = nullptr; // P2, kPa
    QTableWidget* pipelines = nullptr;     // inner diameter, mm; length, m
    QPushButton* addPipeline = nullptr;
    QPushButton* removePipeline = nullptr;
    QGroupBox* resultFrame = nullptr;
    QLineEdit* apparatusGas = nullptr; // Va, m3
    QLineEdit* flowGas = nullptr;      // V1т, m3
    QLineEdit* pipelineGas = nullptr;  // V2т, m3
    QLineEdit* gasMass = nullptr;      // m, kg
    QPushButton* calculate = nullptr;
    QPushButton* Command1 = nullptr;
};
