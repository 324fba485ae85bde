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
// А.10); "Применить" hands the release with its mass to the opener (releaseApplied), whose report
// then shows its derivation. Editing any input discards the result shown,
// so what is applied always answers the inputs on the screen.
class Massgas : public CalculatorWindow {
    Q_OBJECT

  public:
    Massgas(QWidget* opener, const CalculationState& state, const QLocale& locale);

  signals:
    // "Применить" with a result for the inputs shown.
    void releaseApplied(const GasRelease& release);

  private slots:
    void calculate_Click();
    void Command1_Click(); // "Применить"
    void addPipeline_Click();
    void removePipeline_Click();
    void discardResult();

  private:
    void Form_Load();
    void buildSourceData();
    void buildPipelines(QGroupBox* sourceFrame);
    void buildResult();
    void connectHandlers();
    GasReleaseFields fieldTexts() const;

    std::optional<GasRelease> result_;
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
    QLineEdit* apparatusGas = nullptr; // Va, m3
    QLineEdit* flowGas = nullptr;      // V1т, m3
    QLineEdit* pipelineGas = nullptr;  // V2т, m3
    QLineEdit* gasMass = nullptr;      // m, kg
    QPushButton* calculate = nullptr;
    QPushButton* applyButton = nullptr;
};
