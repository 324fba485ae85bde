#pragma once

#include "calculation_file.h"
#include "calculation_state.h"
#include "gas_release.h"
#include "report_publisher.h"
#include "report_sections.h"
#include "spill.h"
#include "substance.h"
#include "ventilation.h"

#include <QLocale>
#include <QMainWindow>
#include <QPointer>

#include <optional>

class Building;
class CalculatorWindow;
class FireLoad;
class Massgas;
class Massjid;
class Plotn;
class Spill;
class QAction;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class Steh;
class Substances;

// The main window: source data of the excess-pressure and emergency-ventilation calculations,
// the buttons that open the calculator windows, and the file menu. It owns the calculation state
// that every other window reads and writes directly.
class Glav : public QMainWindow {
    Q_OBJECT

  public:
    // `locale` gives the decimal separator of every field, report line and file line.
    explicit Glav(const QLocale& locale = QLocale());

    ~Glav() override;

    // What the program sets once, before its first window: the design font of every window and
    // Qt's own dialog texts in Russian.
    static void prepareApplication();

    // The calculation as the windows left it, and the report window while it is open.
    const CalculationState& state() const { return state_; }
    Result_Out* reportWindow() const { return reportPublisher_.window(); }

    // Opens the calculation file at `path` as "Открыть предыдущий расчет" does once a file is chosen:
    // the same checks, the same message on a bad file. Returns whether the calculation was opened.
    bool openCalculation(const QString& path);

    // Opens the fire-load window (at most one) and, when `path` is given, that fire-load file in it.
    FireLoad* openFireLoad(const QString& path = {});
    // Opens the building window ("Сервис → Категория здания…") and the building file at `path` in it.
    void openBuildingFile(const QString& path);

    // Report sections: room (replaces the report), emergency ventilation (appends), outdoor (replaces).
    void result1();
    void result2();
    void result3();

  private slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command6_Click();
    void Command8_Click();
    void open_Click();
    void save_Click();
    void ver_Click();
    void quit_Click();
    void gasmass_Click();
    void substances_Click();
    // Results the child windows hand back.
    void adoptCalculatorState(const CalculationState& state);
    void applyGasRelease(const GasRelease& release);
    void applyChosenSubstance(const Substance& substance);
    void fireload_Click();
    void addFireLoadSection(const QString& section);
    void building_Click();
    void replaceReport(const QString& report);
    void spill_Click();
    void applySpill(const SpillResult& spill);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();
    void buildSourceDataGroup();
    void buildVentilationGroup();
    void buildMenu();
    void setTabOrderOfControls();
    void connectHandlers();
    void showOpenedValues();
    // Publishes the report as state_.out now holds it; on failure puts back `reportBefore`.
    bool publishReportOrRestore(const QString& reportBefore);
    void connectCalculator(CalculatorWindow* calculator, QLineEdit* field);
    // What the substance table and the gas-mass window add to the room and outdoor reports.
    SectionAdditions reportAdditions() const;
    // The spill whose mass the mass field shows, or null.
    const SpillResult* spillHeld() const;
    std::vector<Substance> substanceCandidates() const;
    // What the calculation file carries beyond its numbers.
    CalculationFileExtension fileExtension() const;

    QLocale locale_;
    CalculationState state_;
    // Writes the report document and shows the report window.
    ReportPublisher reportPublisher_;
    bool reportFontsWarmedUp_ = false;
    // The gas release whose mass the gas-mass window last wrote into massField, or the opened file gave.
    std::optional<GasRelease> gasRelease_;
    // The spill whose mass the spill window last wrote into massField, and what the last ventilation
    // calculation made of it (empty when that calculation had no spill).
    std::optional<SpillResult> spill_;
    std::optional<SpillVentilation> spillVentilation_;
    // The substance the opened calculation file described, as that file gave it.
    std::optional<Substance> openedSubstance_;
    // The windows it opens, while they are open: each at most once.
    QPointer<Steh> steh_;
    QPointer<Plotn> plotn_;
    QPointer<Massjid> massjid_;
    QPointer<Massgas> massgas_;
    QPointer<Substances> substances_;
    QPointer<FireLoad> fireLoad_;
    // The fire-load section last added to the report, which a newer one replaces.
    QString fireLoadSection_;
    QPointer<Building> building_;
    QPointer<Spill> spillWindow_;

    QLineEdit* massField = nullptr;                // mass, kg
    QLineEdit* participationField = nullptr;       // Z
    QLineEdit* freeVolumeField = nullptr;          // free volume, m3
    QLineEdit* densityField = nullptr;             // density, kg/m3
    QLineEdit* stoichiometricField = nullptr;      // stoichiometric concentration, %
    QLineEdit* leakageField = nullptr;             // Kn
    QLineEdit* maxPressureField = nullptr;         // maximum pressure, kPa
    QLineEdit* initialPressureField = nullptr;     // initial pressure, kPa
    QLineEdit* heatField = nullptr;                // heat of combustion, MJ/kg
    QLineEdit* ventilatedPressureField = nullptr;  // pressure with emergency ventilation
    QLineEdit* roomLengthField = nullptr;          // room length, m
    QLineEdit* airChangesField = nullptr;          // air changes per hour
    QLineEdit* ventilationCapacityField = nullptr; // ventilation capacity

    QPushButton* calculateButton = nullptr;
    QPushButton* stoichiometricButton = nullptr;
    QPushButton* densityButton = nullptr;
    QPushButton* massButton = nullptr;
    QPushButton* ventilationButton = nullptr;
    QPushButton* addToReportButton = nullptr;
    QCheckBox* roomBox = nullptr;
    QCheckBox* outdoorBox = nullptr;

    QMenu* fileMenu = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* versionAction = nullptr;
    QAction* quitAction = nullptr;

    // Tools beyond the original program live in the "Сервис" menu.
    QMenu* serviceMenu = nullptr;
    QAction* gasMassAction = nullptr;
    QAction* substancesAction = nullptr;
    QAction* fireLoadAction = nullptr;
    QAction* buildingAction = nullptr;
    QAction* spillAction = nullptr;
};
