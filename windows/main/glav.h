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
    // What the substance table and the gas-mass window add to the room and outdoor reports.
    SectionAdditions reportAdditions() const;
    // The spill whose mass Text1 shows, or null.
    const SpillResult* spillHeld() const;
    std::vector<Substance> substanceCandidates() const;
    // What the calculation file carries beyond its numbers.
    CalculationFileExtension fileExtension() const;

    QLocale locale_;
    CalculationState state_;
    // Writes the report document and shows the report window.
    ReportPublisher reportPublisher_;
    bool reportFontsWarmedUp_ = false;
    // The gas release whose mass the gas-mass window last wrote into Text1, or the opened file gave.
    std::optional<GasRelease> gasRelease_;
    // The spill whose mass the spill window last wrote into Text1, and what the last ventilation
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
    QPointer<Spill> spillWindow_;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QGroupBox* Frame7 = nullptr;
    QGroupBox* Frame8 = nullptr;
    QGroupBox* Frame9 = nullptr;
    QGroupBox* Frame10 = nullptr;
    QGroupBox* Frame11 = nullptr;
    QGroupBox* Frame12 = nullptr;
    QGroupBox* Frame13 = nullptr;
    QGroupBox* Frame14 = nullptr;
    QGroupBox* Frame15 = nullptr;

    QLineEdit* Text1 = nullptr;  // mass, kg
    QLineEdit* Text2 = nullptr;  // Z
    QLineEdit* Text3 = nullptr;  // free volume, m3
    QLineEdit* Text4 = nullptr;  // density, kg/m3
    QLineEdit* Text5 = nullptr;  // stoichiometric concentration, %
    QLineEdit* Text6 = nullptr;  // Kn
    QLineEdit* Text7 = nullptr;  // maximum pressure, kPa
    QLineEdit* Text8 = nullptr;  // initial pressure, kPa
    QLineEdit* Text9 = nullptr;  // heat of combustion, MJ/kg
    QLineEdit* Text10 = nullptr; // pressure with emergency ventilation
    QLineEdit* Text11 = nullptr; // room length, m
    QLineEdit* Text12 = nullptr; // air changes per hour
    QLineEdit* Text13 = nullptr; // ventilation capacity

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command8 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;

    QMenu* file = nullptr;
    QAction* open = nullptr;
    QAction* save = nullptr;
    QAction* ver = nullptr;
    QAction* quit = nullptr;

    // Tools beyond the original program live in the "Сервис" menu.
    QMenu* service = nullptr;
    QAction* gasmass = nullptr;
    QAction* substances = nullptr;
    QAction* spill = nullptr;
};
