#include "glav.h"

#include "calculation_file_dialogs.h"
#include "excess_pressure.h"
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

Glav::~Glav() = default;

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
    Frame1 = makeFrame(client, QStringLiteral("Frame1"), QStringLiteral("Исходные данные"),
                       twipsRect(60, 0, 9210, 2040));

    Frame2 = makeFrame(Frame1, QStringLiteral("Frame2"), QStringLiteral("Рмах, кПа"), cell(0, 0));
    Text7 = makeField(Frame2, QStringLiteral("Text7"), inputColour, wholeCell,
                      QStringLiteral("Максимальное давление взрыва (при отсутствии данных Рмах=900кПа)"));
    Frame3 = makeFrame(Frame1, QStringLiteral("Frame3"), QStringLiteral("Ро, кПа"), cell(0, 1));
    Text8 = makeField(Frame3, QStringLiteral("Text8"), inputColour, wholeCell,
                      QStringLiteral("Начальное давление (при отсутствии данных Ро=101кПа)"));
    Frame4 = makeFrame(Frame1, QStringLiteral("Frame4"), QStringLiteral("m, кг"), cell(0, 2));
    Command4 = makeButton(Frame4, QStringLiteral("Command4"), QStringLiteral("<="), cellButton,
                          QStringLiteral("Произвести расчет массы паров жидкости или газа"));
    Text1 = makeField(Frame4, QStringLiteral("Text1"), resultColour, besideButton,
                      QStringLiteral("Масса паров жидкости или газа"));
    Frame6 = makeFrame(Frame1, QStringLiteral("Frame6"), QStringLiteral("Vсв, куб.м."), cell(0, 3));
    Text3 = makeField(Frame6, QStringLiteral("Text3"), inputColour, wholeCell,
                      QStringLiteral("Свободный объем помещения"));
    Frame7 = makeFrame(Frame1, QStringLiteral("Frame7"), QStringLiteral("р г.п., кг/куб.м."), cell(0, 4));
    Command3 =
        makeButton(Frame7, QStringLiteral("Command3"), QStringLiteral("<="), cellButton,
                   QStringLiteral("Произвести расчет плотности газа или пара при расчетной температуре"));
    Text4 = makeField(Frame7, QStringLiteral("Text4"), resultColour, besideButton,
                      QStringLiteral("Плотность газа или пара при расчетной температуре"));
    Frame9 = makeFrame(Frame1, QStringLiteral("Frame9"), QStringLiteral("Cст"), cell(0, 5));
    Command2 = makeButton(Frame9, QStringLiteral("Command2"), QStringLiteral("<="), cellButton,
                          QStringLiteral("Произвести расчет стехиометрической концентрации"));
    Text5 = makeField(Frame9, QStringLiteral("Text5"), resultColour, besideButton,
                      QStringLiteral("Стехиометрическая концентрация"));

    Frame10 = makeFrame(Frame1, QStringLiteral("Frame10"), QStringLiteral("Кн"), cell(1, 0));
    Text6 = makeField(Frame10, QStringLiteral("Text6"), inputColour, wholeCell,
                      QStringLiteral("Коэффициент, учитывающий негерметичность помещения и неадиабатичность "
                                     "процесса горения (при отсутствии данных Кн=3)"));
    // Z stands on the window itself, in the second row of the source-data frame.
    Frame5 = makeFrame(client, QStringLiteral("Frame5"), QStringLiteral("Z"),
                       twipsRect(60 + columnLeft[1], rowTop[1], cellWidth, cellHeight));
    Text2 = makeField(Frame5, QStringLiteral("Text2"), inputColour, wholeCell,
                      QStringLiteral("Коэффициент участия горючего во взрыве"));
    Frame15 = makeFrame(Frame1, QStringLiteral("Frame15"), QStringLiteral("Qсг, МДж/кг"), cell(1, 2));
    Text9 = makeField(Frame15, QStringLiteral("Text9"), inputColour, wholeCell, {},
                      QStringLiteral("Удельная теплота сгорания, МДж/кг"));
    Frame8 = makeFrame(Frame1, QStringLiteral("Frame8"), QStringLiteral("Тип расчета"),
                       twipsRect(columnLeft[3], rowTop[1], 2955, cellHeight));
    Check1 = new QCheckBox(QStringLiteral("Помещение"), Frame8);
    nameControl(Check1, QStringLiteral("Check1"), Check1->text());
    Check1->setGeometry(twipsRect(120, 240, 2700, 255));
    Check1->setChecked(true);
    Check2 = new QCheckBox(QStringLiteral("Наружная установка"), Frame8);
    nameControl(Check2, QStringLiteral("Check2"), Check2->text());
    Check2->setGeometry(twipsRect(120, 495, 2700, 255));
    Command1 = makeButton(Frame1, QStringLiteral("Command1"), QStringLiteral("Расчет"),
                          twipsRect(columnLeft[5], rowTop[1] + 240, cellWidth, 420));

    makeCaptionBold(Frame1);

    Text2->setText(formatNumber(0.3, locale_));
    Text6->setText(formatNumber(3.0, locale_));
    Text7->setText(formatNumber(900.0, locale_));
    Text8->setText(formatNumber(101.0, locale_));
}

void Glav::buildVentilationGroup()
{
    Frame11 = makeFrame(centralWidget(), QStringLiteral("Frame11"),
                        QStringLiteral("Расчет кратности воздухообмена аварийной вентиляции, м.куб./ч"),
                        twipsRect(60, 2100, 9210, 1680));
    Command8 = makeButton(Frame11, QStringLiteral("Command8"), QStringLiteral("Занести в отчет"),
                          twipsRect(2400, 1140, 2160, 420));
    Command6 = makeButton(Frame11, QStringLiteral("Command6"), QStringLiteral("Расчет"),
                          twipsRect(120, 1140, 2160, 420));
    Frame14 = makeFrame(Frame11, QStringLiteral("Frame14"), QStringLiteral("Кратность воздухообм."),
                        twipsRect(120, 240, 2160, cellHeight));
    Text12 = makeField(Frame14, QStringLiteral("Text12"), inputColour, twipsRect(120, 300, 1920, 360), {},
                       QStringLiteral("Кратность воздухообмена, 1/ч"));
    Frame13 = makeFrame(Frame11, QStringLiteral("Frame13"), QStringLiteral("Длина помещения, м"),
                        twipsRect(2400, 240, 2160, cellHeight));
    Text11 = makeField(Frame13, QStringLiteral("Text11"), inputColour, twipsRect(120, 300, 1920, 360), {},
                       QStringLiteral("Длина помещения, м"));
    Frame12 = makeFrame(Frame11, QStringLiteral("Frame12"), QStringLiteral("Результат"),
                        twipsRect(4680, 240, 4410, 1320));
    Text10 = makeField(Frame12, QStringLiteral("Text10"), resultColour, twipsRect(120, 300, 4170, 420),
                       QStringLiteral("Избыточное давление взрыва (должно быть меньше 5кПа)"));
    Text13 = makeField(Frame12, QStringLiteral("Text13"), resultColour, twipsRect(120, 780, 4170, 420),
                       QStringLiteral("Производительность вентиляционной установки, м3/час"));
    for (QLineEdit* result : {Text10, Text13}) {
        QFont font = result->font();
        font.setPointSizeF(9.75);
        result->setFont(font);
    }
    makeCaptionBold(Frame11);
    makeCaptionBold(Frame12);
}

void Glav::buildMenu()
{
    file = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("file"));
    open = file->addAction(QStringLiteral("Открыть предыдущий расчет"));
    open->setObjectName(QStringLiteral("open"));
    open->setShortcut(QKeySequence::Open);
    save = file->addAction(QStringLiteral("Сохранить текущий расчет"));
    save->setObjectName(QStringLiteral("save"));
    save->setShortcut(QKeySequence::Save);
    file->addSeparator()->setObjectName(QStringLiteral("line1"));
    ver = file->addAction(QStringLiteral("Версия"));
    ver->setObjectName(QStringLiteral("ver"));
    file->addSeparator()->setObjectName(QStringLiteral("line2"));
    quit = file->addAction(QStringLiteral("Выход"));
    quit->setObjectName(QStringLiteral("quit"));

    service = menuBar()->addMenu(QStringLiteral("&Сервис"));
    service->setObjectName(QStringLiteral("service"));
    substances = service->addAction(QStringLiteral("Справочник веществ…"));
    substances->setObjectName(QStringLiteral("substances"));
    gasmass = service->addAction(QStringLiteral("Масса горючего газа…"));
    gasmass->setObjectName(QStringLiteral("gasmass"));
    spill = service->addAction(QStringLiteral("Испарение при разливе жидкости…"));
    spill->setObjectName(QStringLiteral("spill"));
}

void Glav::setTabOrderOfControls()
{
    chainTabOrder({Text7,    Text8,    Text1,  Command4, Text3,    Text4,  Command3,
                   Text5,    Command2, Text6,  Text2,    Text9,    Check1, Check2,
                   Command1, Text12,   Text11, Command6, Command8, Text10, Text13});
}

void Glav::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &Glav::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Glav::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Glav::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Glav::Command4_Click);
    connect(Command6, &QPushButton::clicked, this, &Glav::Command6_Click);
    connect(Command8, &QPushButton::clicked, this, &Glav::Command8_Click);
    connect(open, &QAction::triggered, this, &Glav::open_Click);
    connect(save, &QAction::triggered, this, &Glav::save_Click);
    connect(ver, &QAction::triggered, this, &Glav::ver_Click);
    connect(quit, &QAction::triggered, this, &Glav::quit_Click);
    connect(gasmass, &QAction::triggered, this, &Glav::gasmass_Click);
    connect(substances, &QAction::triggered, this, &Glav::substances_Click);
    connect(spill, &QAction::triggered, this, &Glav::spill_Click);
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
        if (Check1->checkState() == Qt::Unchecked && Check2->checkState() == Qt::Unchecked) {
            showCritical(this, QString(), QStringLiteral("Ошибка!"));
            return;
        }
        if (Check1->checkState() == Qt::Checked) {
            calculateRoom(state_,
                          {Text7->text(), Text8->text(), Text1->text(), Text2->text(), Text3->text(),
                           Text4->text(), Text5->text(), Text6->text()},
                          locale_);
            result1();
        }
        if (Check2->checkState() == Qt::Checked) {
            calculateOutdoor(state_, {Text8->text(), Text1->text(), Text2->text(), Text9->text()}, locale_);
            result3();
        }
        reportPublisher_.PublishReport(state_.out);
    } catch (const UserError& error) {
        showError(this, error);
    }
}

void Glav::Command2_Click()
{
    openCalculator(steh_, this, Text5, state_, locale_);
}
void Glav::Command3_Click()
{
    openCalculator(plotn_, this, Text4, state_, locale_);
}
void Glav::Command4_Click()
{
    openCalculator(massjid_, this, Text1, state_, locale_);
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
    if (gasRelease_ && Text1->text() == formatNumber(gasRelease_->mass, locale_))
        additions.afterSubsection13 = gasReleaseSubsection(*gasRelease_, locale_);
    if (const SpillResult* held = spillHeld())
        additions.afterSubsection13 = spillSubsection(*held, locale_);
    return additions;
}

const SpillResult* Glav::spillHeld() const
{
    return spill_ && Text1->text() == formatNumber(spill_->vapourMass, locale_) ? &*spill_ : nullptr;
}

// The spill window starts from what the calculation knows of the liquid: its vapour pressure, molar
// mass, design temperature and, when the substance table gives it, its density.
void Glav::spill_Click()
{
    SpillStart start{state_.Pn, state_.M, state_.T1, std::nullopt};
    const std::vector<Substance> known =
        state_.substance.isEmpty() ? std::vector<Substance>{} : knownSubstances();
    if (const Substance* chosen = chosenSubstance(state_, known))
        start.liquidDensity = chosen->liquidDensity;
    if (spillWindow_)
        spillWindow_->close();
    spillWindow_ = new Spill(this, start, locale_);
    connect(spillWindow_, &Spill::applied, this, &Glav::applySpill);
    spillWindow_->show();
}

// The liquid-vapour window opened afterwards shows the spill's area, time and mass.
void Glav::applySpill(const SpillResult& result)
{
    spill_ = result;
    state_.Fi = result.spillArea;
    state_.tr = result.evaporationTime;
    state_.Em = result.vapourMass;
    Text1->setText(formatNumber(result.vapourMass, locale_));
    Text1->setCursorPosition(0);
}

void Glav::gasmass_Click()
{
    openCalculator(massgas_, this, Text1, state_, locale_, gasRelease_);
}

// The substance window fills the fields whose quantity the table gives; the others stay as typed.
void Glav::substances_Click()
{
    openCalculator(substances_, this, state_, locale_, [this](const MainWindowTexts& texts) {
        openedSubstance_.reset();
        const std::pair<QLineEdit*, QString> filled[] = {{Text5, texts.stoichiometric},
                                                         {Text4, texts.density},
                                                         {Text9, texts.heat},
                                                         {Text7, texts.maxPressure},
                                                         {Text2, texts.participation}};
        for (const auto& [field, text] : filled)
            if (!text.isEmpty()) {
                field->setText(text);
                field->setCursorPosition(0);
            }
    });
}

void Glav::Command6_Click()
{
    try {
        spillVentilation_ =
            calculateVentilation(state_, {Text12->text(), Text11->text()}, locale_, spillHeld());
        Text10->setText(formatNumber(state_.EP, locale_) + QStringLiteral("кПа"));
        Text13->setText(formatNumber(state_.Vvent, locale_) + QStringLiteral("м3/час"));
    } catch (const UserError& error) {
        showError(this, error);
    }
}

// Only the report file can fail here. The report text is then put back as it was, so that pressing
// again once the file can be written does not add the section twice.
void Glav::Command8_Click()
{
    const QString reportBefore = state_.out;
    result2();
    try {
        reportPublisher_.PublishReport(state_.out);
    } catch (const UserError& error) {
        state_.out = reportBefore;
        showError(this, error);
    }
}

// Opening puts the numbers back into the state_; of the fields, only those that show a quantity the
// file holds are refilled. Text1 shows the evaporated mass, which is what a liquid calculation put there.
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
        {Text2, state_.Z},      {Text3, state_.Vsv}, {Text4, state_.pgp},
        {Text5, state_.Cst},    {Text12, state_.n},  {Text11, state_.L},
        {Text13, state_.Vvent}, {Text1, state_.Em},  {Text9, state_.Qsg}};
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
