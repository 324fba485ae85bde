#include "glav.h"

#include "building_window.h"
#include "calculation_file_dialogs.h"
#include "excess_pressure.h"
#include "fire_load_window.h"
#include "form_layout.h"
#include "gas_release_file.h"
#include "gas_release_section.h"
#include "massgas.h"
#include "massjid.h"
#include "modal.h"
#include "numbers.h"
#include "own_substances.h"
#include "plotn.h"
#include "report_browser.h"
#include "report_document.h"
#include "report_sections.h"
#include "spill_file.h"
#include "spill_section.h"
#include "spill_window.h"
#include "steh.h"
#include "substance_choice.h"
#include "substance_file.h"
#include "substance_memory.h"
#include "substances.h"
#include "user_error.h"
#include "ventilation.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace {

const QString startCaption = QStringLiteral("Расчет избыточного давления взрыва //Tarvolin\\\\");

// Client area 9330 x 3825 twips; small source-data frames are 1455 x 780 twips.
constexpr int clientWidth = 9330;
constexpr int clientHeight = 3825;
constexpr int cellWidth = 1455;
constexpr int cellHeight = 780;
constexpr int rowTop[] = {240, 1080};
constexpr int columnLeft[] = {120, 1620, 3120, 4620, 6120, 7620};

QRect cell(int row, int column)
{
    return twipsRect(columnLeft[column], rowTop[row], cellWidth, cellHeight);
}

// A field filling a small frame, or the field beside a "<=" button.
const QRect wholeCell = twipsRect(120, 300, 1215, 360);
const QRect cellButton = twipsRect(120, 300, 375, 360);
const QRect besideButton = twipsRect(525, 300, 810, 360);

// A text scrolled to its beginning, so that a long number shows its most significant digits.
void showFieldText(QLineEdit* field, const QString& text)
{
    field->setText(text);
    field->setCursorPosition(0);
}

void bringToFront(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

Glav::Glav(const QLocale& locale) : locale_(locale)
{
    setObjectName(QStringLiteral("Glav"));
    setWindowTitle(startCaption);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(pixels(clientWidth), pixels(clientHeight));
    setCentralWidget(client);
    buildSourceDataGroup();
    buildVentilationGroup();
    buildMenu();
    setTabOrderOfControls();
    connectHandlers();
    setFixedSize(sizeHint());
    Form_Load();
}

// Only reached with the fire-load window still open when the owner goes early, as in tests.
// The fire-load and building windows have no parent, so that they are windows of their own; they
// close with this one.
Glav::~Glav()
{
    delete fireLoad_.data();
    delete building_.data();
}

void Glav::prepareApplication()
{
    useDesignFont();
    useRussianQtTexts();
}

// The report's typeface is looked up while the user types the source data, so that the first
// report shows as fast as later ones.
void Glav::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!reportFontsWarmedUp_) {
        reportFontsWarmedUp_ = true;
        QTimer::singleShot(0, this, &warmUpReportFonts);
    }
}

void Glav::Form_Load()
{
    state_.tr = 3600;
    state_.T1 = 37;
}

void Glav::buildSourceDataGroup()
{
    QWidget* client = centralWidget();
    auto* sourceData = makeFrame(client, QStringLiteral("Frame1"), QStringLiteral("Исходные данные"),
                                 twipsRect(60, 0, 9210, 2040));

    auto* maxPressureFrame =
        makeFrame(sourceData, QStringLiteral("Frame2"), QStringLiteral("Рмах, кПа"), cell(0, 0));
    maxPressureField =
        makeField(maxPressureFrame, QStringLiteral("Text7"), inputColour, wholeCell,
                  QStringLiteral("Максимальное давление взрыва (при отсутствии данных Рмах=900кПа)"));
    auto* initialPressureFrame =
        makeFrame(sourceData, QStringLiteral("Frame3"), QStringLiteral("Ро, кПа"), cell(0, 1));
    initialPressureField = makeField(initialPressureFrame, QStringLiteral("Text8"), inputColour, wholeCell,
                                     QStringLiteral("Начальное давление (при отсутствии данных Ро=101кПа)"));
    auto* massFrame = makeFrame(sourceData, QStringLiteral("Frame4"), QStringLiteral("m, кг"), cell(0, 2));
    massButton = makeButton(massFrame, QStringLiteral("Command4"), QStringLiteral("<="), cellButton,
                            QStringLiteral("Произвести расчет массы паров жидкости или газа"));
    massField = makeField(massFrame, QStringLiteral("Text1"), resultColour, besideButton,
                          QStringLiteral("Масса паров жидкости или газа"));
    auto* freeVolumeFrame =
        makeFrame(sourceData, QStringLiteral("Frame6"), QStringLiteral("Vсв, куб.м."), cell(0, 3));
    freeVolumeField = makeField(freeVolumeFrame, QStringLiteral("Text3"), inputColour, wholeCell,
                                QStringLiteral("Свободный объем помещения"));
    auto* densityFrame =
        makeFrame(sourceData, QStringLiteral("Frame7"), QStringLiteral("р г.п., кг/куб.м."), cell(0, 4));
    densityButton =
        makeButton(densityFrame, QStringLiteral("Command3"), QStringLiteral("<="), cellButton,
                   QStringLiteral("Произвести расчет плотности газа или пара при расчетной температуре"));
    densityField = makeField(densityFrame, QStringLiteral("Text4"), resultColour, besideButton,
                             QStringLiteral("Плотность газа или пара при расчетной температуре"));
    auto* stoichiometricFrame =
        makeFrame(sourceData, QStringLiteral("Frame9"), QStringLiteral("Cст"), cell(0, 5));
    stoichiometricButton =
        makeButton(stoichiometricFrame, QStringLiteral("Command2"), QStringLiteral("<="), cellButton,
                   QStringLiteral("Произвести расчет стехиометрической концентрации"));
    stoichiometricField = makeField(stoichiometricFrame, QStringLiteral("Text5"), resultColour, besideButton,
                                    QStringLiteral("Стехиометрическая концентрация"));

    auto* leakageFrame = makeFrame(sourceData, QStringLiteral("Frame10"), QStringLiteral("Кн"), cell(1, 0));
    leakageField =
        makeField(leakageFrame, QStringLiteral("Text6"), inputColour, wholeCell,
                  QStringLiteral("Коэффициент, учитывающий негерметичность помещения и неадиабатичность "
                                 "процесса горения (при отсутствии данных Кн=3)"));
    // Z stands on the window itself, in the second row of the source-data frame.
    auto* participationFrame = makeFrame(client, QStringLiteral("Frame5"), QStringLiteral("Z"),
                                         twipsRect(60 + columnLeft[1], rowTop[1], cellWidth, cellHeight));
    participationField = makeField(participationFrame, QStringLiteral("Text2"), inputColour, wholeCell,
                                   QStringLiteral("Коэффициент участия горючего во взрыве"));
    auto* heatFrame =
        makeFrame(sourceData, QStringLiteral("Frame15"), QStringLiteral("Qсг, МДж/кг"), cell(1, 2));
    heatField = makeField(heatFrame, QStringLiteral("Text9"), inputColour, wholeCell, {},
                          QStringLiteral("Удельная теплота сгорания, МДж/кг"));
    auto* calculationTypeFrame =
        makeFrame(sourceData, QStringLiteral("Frame8"), QStringLiteral("Тип расчета"),
                  twipsRect(columnLeft[3], rowTop[1], 2955, cellHeight));
    roomBox = new QCheckBox(QStringLiteral("Помещение"), calculationTypeFrame);
    nameControl(roomBox, QStringLiteral("Check1"), roomBox->text());
    roomBox->setGeometry(twipsRect(120, 240, 2700, 255));
    roomBox->setChecked(true);
    outdoorBox = new QCheckBox(QStringLiteral("Наружная установка"), calculationTypeFrame);
    nameControl(outdoorBox, QStringLiteral("Check2"), outdoorBox->text());
    outdoorBox->setGeometry(twipsRect(120, 495, 2700, 255));
    calculateButton = makeButton(sourceData, QStringLiteral("Command1"), QStringLiteral("Расчет"),
                                 twipsRect(columnLeft[5], rowTop[1] + 240, cellWidth, 420));

    makeCaptionBold(sourceData);

    participationField->setText(formatNumber(0.3, locale_));
    leakageField->setText(formatNumber(3.0, locale_));
    maxPressureField->setText(formatNumber(900.0, locale_));
    initialPressureField->setText(formatNumber(101.0, locale_));
}

void Glav::buildVentilationGroup()
{
    auto* ventilationFrame =
        makeFrame(centralWidget(), QStringLiteral("Frame11"),
                  QStringLiteral("Расчет кратности воздухообмена аварийной вентиляции, м.куб./ч"),
                  twipsRect(60, 2100, 9210, 1680));
    addToReportButton = makeButton(ventilationFrame, QStringLiteral("Command8"),
                                   QStringLiteral("Занести в отчет"), twipsRect(2400, 1140, 2160, 420));
    ventilationButton = makeButton(ventilationFrame, QStringLiteral("Command6"), QStringLiteral("Расчет"),
                                   twipsRect(120, 1140, 2160, 420));
    auto* airChangesFrame =
        makeFrame(ventilationFrame, QStringLiteral("Frame14"), QStringLiteral("Кратность воздухообм."),
                  twipsRect(120, 240, 2160, cellHeight));
    airChangesField =
        makeField(airChangesFrame, QStringLiteral("Text12"), inputColour, twipsRect(120, 300, 1920, 360), {},
                  QStringLiteral("Кратность воздухообмена, 1/ч"));
    auto* roomLengthFrame =
        makeFrame(ventilationFrame, QStringLiteral("Frame13"), QStringLiteral("Длина помещения, м"),
                  twipsRect(2400, 240, 2160, cellHeight));
    roomLengthField = makeField(roomLengthFrame, QStringLiteral("Text11"), inputColour,
                                twipsRect(120, 300, 1920, 360), {}, QStringLiteral("Длина помещения, м"));
    auto* resultFrame = makeFrame(ventilationFrame, QStringLiteral("Frame12"), QStringLiteral("Результат"),
                                  twipsRect(4680, 240, 4410, 1320));
    ventilatedPressureField =
        makeField(resultFrame, QStringLiteral("Text10"), resultColour, twipsRect(120, 300, 4170, 420),
                  QStringLiteral("Избыточное давление взрыва (должно быть меньше 5кПа)"));
    ventilationCapacityField =
        makeField(resultFrame, QStringLiteral("Text13"), resultColour, twipsRect(120, 780, 4170, 420),
                  QStringLiteral("Производительность вентиляционной установки, м3/час"));
    for (QLineEdit* result : {ventilatedPressureField, ventilationCapacityField}) {
        QFont font = result->font();
        font.setPointSizeF(9.75);
        result->setFont(font);
    }
    makeCaptionBold(ventilationFrame);
    makeCaptionBold(resultFrame);
}

void Glav::buildMenu()
{
    fileMenu = menuBar()->addMenu(QStringLiteral("&Файл"));
    fileMenu->setObjectName(QStringLiteral("file"));
    openAction = fileMenu->addAction(QStringLiteral("Открыть предыдущий расчет"));
    openAction->setObjectName(QStringLiteral("open"));
    openAction->setShortcut(QKeySequence::Open);
    saveAction = fileMenu->addAction(QStringLiteral("Сохранить текущий расчет"));
    saveAction->setObjectName(QStringLiteral("save"));
    saveAction->setShortcut(QKeySequence::Save);
    fileMenu->addSeparator()->setObjectName(QStringLiteral("line1"));
    versionAction = fileMenu->addAction(QStringLiteral("Версия"));
    versionAction->setObjectName(QStringLiteral("ver"));
    fileMenu->addSeparator()->setObjectName(QStringLiteral("line2"));
    quitAction = fileMenu->addAction(QStringLiteral("Выход"));
    quitAction->setObjectName(QStringLiteral("quit"));

    serviceMenu = menuBar()->addMenu(QStringLiteral("&Сервис"));
    serviceMenu->setObjectName(QStringLiteral("service"));
    substancesAction = serviceMenu->addAction(QStringLiteral("Справочник веществ…"));
    substancesAction->setObjectName(QStringLiteral("substances"));
    gasMassAction = serviceMenu->addAction(QStringLiteral("Масса горючего газа…"));
    gasMassAction->setObjectName(QStringLiteral("gasmass"));
    spillAction = serviceMenu->addAction(QStringLiteral("Испарение при разливе жидкости…"));
    spillAction->setObjectName(QStringLiteral("spill"));
    fireLoadAction = serviceMenu->addAction(QStringLiteral("Категория В1–В4 по пожарной нагрузке…"));
    fireLoadAction->setObjectName(QStringLiteral("fireload"));
    buildingAction = serviceMenu->addAction(QStringLiteral("Категория здания…"));
    buildingAction->setObjectName(QStringLiteral("building"));
}

void Glav::setTabOrderOfControls()
{
    chainTabOrder({maxPressureField,
                   initialPressureField,
                   massField,
                   massButton,
                   freeVolumeField,
                   densityField,
                   densityButton,
                   stoichiometricField,
                   stoichiometricButton,
                   leakageField,
                   participationField,
                   heatField,
                   roomBox,
                   outdoorBox,
                   calculateButton,
                   airChangesField,
                   roomLengthField,
                   ventilationButton,
                   addToReportButton,
                   ventilatedPressureField,
                   ventilationCapacityField});
}

void Glav::connectHandlers()
{
    connect(calculateButton, &QPushButton::clicked, this, &Glav::Command1_Click);
    connect(stoichiometricButton, &QPushButton::clicked, this, &Glav::Command2_Click);
    connect(densityButton, &QPushButton::clicked, this, &Glav::Command3_Click);
    connect(massButton, &QPushButton::clicked, this, &Glav::Command4_Click);
    connect(ventilationButton, &QPushButton::clicked, this, &Glav::Command6_Click);
    connect(addToReportButton, &QPushButton::clicked, this, &Glav::Command8_Click);
    connect(openAction, &QAction::triggered, this, &Glav::open_Click);
    connect(saveAction, &QAction::triggered, this, &Glav::save_Click);
    connect(versionAction, &QAction::triggered, this, &Glav::ver_Click);
    connect(quitAction, &QAction::triggered, this, &Glav::quit_Click);
    connect(gasMassAction, &QAction::triggered, this, &Glav::gasmass_Click);
    connect(substancesAction, &QAction::triggered, this, &Glav::substances_Click);
    connect(spillAction, &QAction::triggered, this, &Glav::spill_Click);
    connect(fireLoadAction, &QAction::triggered, this, &Glav::fireload_Click);
    connect(buildingAction, &QAction::triggered, this, &Glav::building_Click);
}

void Glav::ver_Click()
{
    const QString text =
        QStringLiteral("Версия " OVERPRESSURE_VERSION "\r\n"
                       "Overpressure: расчет избыточного давления взрыва и категории "
                       "помещения или наружной установки\r\n"
                       "Об ошибках и замечаниях сообщайте в трекер задач проекта Overpressure");
    showMessage(this, QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text);
}

// The room and outdoor sections start a new report; the ventilation section extends the last one.
void Glav::result1()
{
    state_.out = roomSection(state_, locale_, reportAdditions());
}
void Glav::result2()
{
    state_.out += ventilationSection(state_, locale_, spillVentilation_ ? &*spillVentilation_ : nullptr);
}
void Glav::result3()
{
    state_.out = outdoorSection(state_, locale_, reportAdditions());
}

// The room runs first, so with both boxes set the outdoor report is the one published. A greyed
// box is neither set nor clear: no branch runs and the report is published as it stands.
void Glav::Command1_Click()
{
    try {
        if (roomBox->checkState() == Qt::Unchecked && outdoorBox->checkState() == Qt::Unchecked) {
            showCritical(this, QString(), QStringLiteral("Ошибка!"));
            return;
        }
        if (roomBox->checkState() == Qt::Checked) {
            calculateRoom(state_,
                          {maxPressureField->text(), initialPressureField->text(), massField->text(),
                           participationField->text(), freeVolumeField->text(), densityField->text(),
                           stoichiometricField->text(), leakageField->text()},
                          locale_);
            result1();
        }
        if (outdoorBox->checkState() == Qt::Checked) {
            calculateOutdoor(state_,
                             {initialPressureField->text(), massField->text(), participationField->text(),
                              heatField->text()},
                             locale_);
            result3();
        }
        reportPublisher_.PublishReport(state_.out);
    } catch (const UserError& error) {
        showError(this, error);
    }
}

// Each child window hands its result back through its own signal, to a slot of this window.
// A calculator's "Расчет" stores into the state, its "Применить" fills the field beside its button.
void Glav::connectCalculator(CalculatorWindow* calculator, QLineEdit* field)
{
    connect(calculator, &CalculatorWindow::stored, this, &Glav::adoptCalculatorState);
    connect(calculator, &CalculatorWindow::applied, field,
            [field](const QString& text) { showFieldText(field, text); });
}

void Glav::adoptCalculatorState(const CalculationState& state)
{
    const QString report = state_.out;
    state_ = state;
    state_.out = report;
}

void Glav::Command2_Click()
{
    openChild<Steh>(
        steh_, this, stoichiometricField,
        [this](Steh* steh) { connectCalculator(steh, stoichiometricField); }, state_, locale_);
}
void Glav::Command3_Click()
{
    openChild<Plotn>(
        plotn_, this, densityField, [this](Plotn* plotn) { connectCalculator(plotn, densityField); }, state_,
        locale_);
}
void Glav::Command4_Click()
{
    openChild<Massjid>(
        massjid_, this, massField, [this](Massjid* massjid) { connectCalculator(massjid, massField); },
        state_, locale_);
}

// The rows the state may name: the one an opened file described first, then the tables.
std::vector<Substance> Glav::substanceCandidates() const
{
    std::vector<Substance> rows;
    if (state_.substance.isEmpty())
        return rows;
    if (openedSubstance_)
        rows.push_back(*openedSubstance_);
    for (Substance& row : knownSubstances())
        rows.push_back(std::move(row));
    return rows;
}

SectionAdditions Glav::reportAdditions() const
{
    SectionAdditions additions;
    // The substance is named only while the state_ still holds the data it took from the table.
    const std::vector<Substance> candidates = substanceCandidates();
    if (const Substance* chosen = chosenSubstance(state_, candidates))
        additions.afterTitle = substanceReportLine(*chosen);
    // The derivation belongs to the report only while the mass field holds the mass the gas window wrote.
    if (gasRelease_ && massField->text() == formatNumber(gasRelease_->mass, locale_))
        additions.afterSubsection13 = gasReleaseSubsection(*gasRelease_, locale_);
    if (const SpillResult* held = spillHeld())
        additions.afterSubsection13 = spillSubsection(*held, locale_);
    return additions;
}

const SpillResult* Glav::spillHeld() const
{
    return spill_ && massField->text() == formatNumber(spill_->vapourMass, locale_) ? &*spill_ : nullptr;
}

// The spill window starts from what the calculation knows of the liquid: its vapour pressure, molar
// mass, design temperature and, when the substance table gives it, its density.
void Glav::spill_Click()
{
    SpillStart start{state_.Pn, state_.M, state_.T1, std::nullopt};
    const std::vector<Substance> candidates = substanceCandidates();
    if (const Substance* chosen = chosenSubstance(state_, candidates))
        start.liquidDensity = chosen->liquidDensity;
    openChild<Spill>(
        spillWindow_, this, massField,
        [this](Spill* window) { connect(window, &Spill::applied, this, &Glav::applySpill); }, start, locale_);
}

// The liquid-vapour window opened afterwards shows the spill's area, time and mass.
void Glav::applySpill(const SpillResult& result)
{
    spill_ = result;
    state_.Fi = result.spillArea;
    state_.tr = result.evaporationTime;
    state_.Em = result.vapourMass;
    showFieldText(massField, formatNumber(result.vapourMass, locale_));
}

void Glav::gasmass_Click()
{
    openChild<Massgas>(
        massgas_, this, massField,
        [this](Massgas* massgas) {
            connect(massgas, &Massgas::releaseApplied, this, &Glav::applyGasRelease);
        },
        state_, locale_);
}

void Glav::applyGasRelease(const GasRelease& release)
{
    gasRelease_ = release;
    showFieldText(massField, formatNumber(release.mass, locale_));
}

void Glav::substances_Click()
{
    openChild<Substances>(
        substances_, this, nullptr,
        [this](Substances* window) {
            connect(window, &Substances::chosen, this, &Glav::applyChosenSubstance);
        },
        state_, locale_);
}

// The substance fills the fields whose quantity the table gives; the others stay as typed.
void Glav::applyChosenSubstance(const Substance& substance)
{
    try {
        const MainWindowTexts texts = applySubstance(state_, substance, locale_);
        openedSubstance_.reset();
        const std::pair<QLineEdit*, QString> filled[] = {{stoichiometricField, texts.stoichiometric},
                                                         {densityField, texts.density},
                                                         {heatField, texts.heat},
                                                         {maxPressureField, texts.maxPressure},
                                                         {participationField, texts.participation}};
        for (const auto& [field, text] : filled)
            if (!text.isEmpty())
                showFieldText(field, text);
    } catch (const UserError& error) {
        showError(this, error);
    }
}

// The building window is a window of its own beside this one, at most once; its report replaces
// the report.
void Glav::building_Click()
{
    if (!building_) {
        building_ = new Building(locale_);
        connect(building_, &Building::reportReady, this, &Glav::replaceReport);
    }
    bringToFront(building_);
}

void Glav::replaceReport(const QString& report)
{
    const QString reportBefore = state_.out;
    state_.out = report;
    publishReportOrRestore(reportBefore);
}

void Glav::openBuildingFile(const QString& path)
{
    building_Click();
    building_->openBuilding(path);
}

void Glav::Command6_Click()
{
    try {
        spillVentilation_ = calculateVentilation(state_, {airChangesField->text(), roomLengthField->text()},
                                                 locale_, spillHeld());
        ventilatedPressureField->setText(formatNumber(state_.EP, locale_) + QStringLiteral("кПа"));
        ventilationCapacityField->setText(formatNumber(state_.Vvent, locale_) + QStringLiteral("м3/час"));
    } catch (const UserError& error) {
        showError(this, error);
    }
}

void Glav::Command8_Click()
{
    const QString reportBefore = state_.out;
    result2();
    publishReportOrRestore(reportBefore);
}

// Only the report file can fail here. The report text is then put back as it was, so that adding a
// section again once the file can be written does not add it twice.
bool Glav::publishReportOrRestore(const QString& reportBefore)
{
    try {
        reportPublisher_.PublishReport(state_.out);
        return true;
    } catch (const UserError& error) {
        state_.out = reportBefore;
        showError(this, error);
        return false;
    }
}

// Opening puts the numbers back into the state_; of the fields, only those that show a quantity the
// file holds are refilled. massField shows the evaporated mass, which is what a liquid calculation put there.
void Glav::open_Click()
{
    const QString path = chooseCalculationToOpen(this);
    if (!path.isEmpty())
        openCalculation(path);
}

// Every part of the extension is taken apart before anything is stored, so a damaged part leaves
// the calculation as it was. A file saved before the extension existed may have its substance in
// the old note keyed by the file's contents.
bool Glav::openCalculation(const QString& path)
{
    const FileStep opened = openCalculationFile(this, path, [&](const CalculationFileContents& contents) {
        std::optional<GasRelease> gasRelease = gasReleaseFromFileEntries(contents.extension);
        std::optional<SpillResult> spill;
        if (const std::optional<SpillInput> input = spillFromFileEntries(contents.extension))
            spill = calculateSpill(*input);
        CalculationState state = state_;
        applyCalculationFile(contents, state);
        std::optional<Substance> substance = substanceFromFileEntries(contents.extension, state);
        state.substance = substance ? substance->name : substanceOfFile(path);
        state_ = state;
        openedSubstance_ = std::move(substance);
        gasRelease_ = std::move(gasRelease);
        spill_ = std::move(spill);
        spillVentilation_.reset();
    });
    if (opened.outcome != FileStep::Done)
        return false;
    showOpenedValues();
    setWindowTitle(opened.path);
    return true;
}

// What the numbers do not hold: the substance the state still holds, the last gas release and the
// spill whose mass the calculation uses.
CalculationFileExtension Glav::fileExtension() const
{
    CalculationFileExtension extension;
    const std::vector<Substance> candidates = substanceCandidates();
    if (const Substance* chosen = chosenSubstance(state_, candidates))
        extension += substanceFileEntries(*chosen);
    if (gasRelease_)
        extension += gasReleaseFileEntries(*gasRelease_);
    if (const SpillResult* spill = spillHeld())
        extension += spillFileEntries(spill->input);
    return extension;
}

void Glav::showOpenedValues()
{
    const std::pair<QLineEdit*, double> shown[] = {
        {participationField, state_.Z},           {freeVolumeField, state_.Vsv}, {densityField, state_.pgp},
        {stoichiometricField, state_.Cst},        {airChangesField, state_.n},   {roomLengthField, state_.L},
        {ventilationCapacityField, state_.Vvent}, {massField, state_.Em},        {heatField, state_.Qsg}};
    for (const auto& [field, value] : shown)
        field->setText(formatNumber(value, locale_));
}

void Glav::save_Click()
{
    const FileStep saved = saveCalculationAs(this, state_, locale_, fileExtension());
    if (saved.outcome == FileStep::Done)
        setWindowTitle(saved.path);
}

// A save that fails keeps the window open, so the calculation is not lost; a cancelled one does not.
void Glav::quit_Click()
{
    const FileStep saved = saveCalculationAs(this, state_, locale_, fileExtension());
    if (saved.outcome == FileStep::Failed)
        return;
    if (saved.outcome == FileStep::Done)
        setWindowTitle(saved.path);
    close();
}

void Glav::fireload_Click()
{
    openFireLoad();
}

FireLoad* Glav::openFireLoad(const QString& path)
{
    if (!fireLoad_) {
        fireLoad_ = new FireLoad(locale_);
        connect(fireLoad_, &FireLoad::reportSection, this, &Glav::addFireLoadSection);
    }
    bringToFront(fireLoad_);
    if (!path.isEmpty())
        fireLoad_->openFile(path);
    return fireLoad_;
}

// The fire-load section follows the report it is added to, in place of an earlier one.
void Glav::addFireLoadSection(const QString& section)
{
    const QString reportBefore = state_.out;
    if (const qsizetype earlier = fireLoadSection_.isEmpty() ? -1 : state_.out.indexOf(fireLoadSection_);
        earlier >= 0)
        state_.out.remove(earlier, fireLoadSection_.size());
    state_.out += section;
    if (publishReportOrRestore(reportBefore))
        fireLoadSection_ = section;
}
