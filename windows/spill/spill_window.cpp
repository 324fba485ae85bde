#include "spill_window.h"

#include "form_layout.h"
#include "modal.h"
#include "numbers.h"
#include "table_rows.h"
#include "user_error.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

// Shut-off times of the supply pipelines: automatic shut-off without redundancy, and manual shut-off.
constexpr double automaticShutOffSeconds = 120;
constexpr double manualShutOffSeconds = 300;
// A liquid of pure solvent, unless the user says it is a mixture or solution.
constexpr double pureSolventShare = 100;

// Source-data frames stand in a grid of three columns; each holds one field.
constexpr int frameWidth = 2040;
constexpr int frameHeight = 735;
constexpr int columnLeft[] = {120, 2280, 4440};
constexpr int rowTop[] = {240, 960, 1680, 2400};
const QRect wholeFrame = twipsRect(120, 240, 1800, 375);

QLineEdit* fieldInFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& frameRect,
                        const QColor& colour, const QString& toolTip, const QRect& fieldRect = wholeFrame)
{
    QGroupBox* frame = makeFrame(parent, name + QStringLiteral("Frame"), caption, frameRect);
    return makeField(frame, name, colour, fieldRect, toolTip);
}

QRect gridCell(int row, int column)
{
    return twipsRect(columnLeft[column], rowTop[row], frameWidth, frameHeight);
}

void showText(QLineEdit* field, const QString& text)
{
    field->setText(text);
    field->setCursorPosition(0);
}

} // namespace

Spill::Spill(QWidget* opener, const SpillStart& start, const QLocale& locale)
    : ChildWindow(opener, QStringLiteral("Spill"), QStringLiteral("Масса паров при разливе жидкости"), 6570,
                  7020),
      locale_(locale), airTemperature_(start.airTemperature)
{
    buildSourceData();
    buildResult();
    chainTabOrder({apparatusVolume, flowRate, shutOffTime, shutOff120, shutOff300, liquidDensity,
                   solventShare, floorArea, trayArea, airSpeed, vapourPressure, molarMass, pipelines,
                   addPipeline, removePipeline, calculate, apply});
    connectHandlers();
    Form_Load(start);
}

void Spill::buildSourceData()
{
    QGroupBox* source = makeFrame(this, QStringLiteral("sourceFrame"), QStringLiteral("Исходные данные"),
                                  twipsRect(0, 0, 6570, 4695));
    const auto input = [source](const char* name, const char* caption, int row, int column, const char* tip) {
        return fieldInFrame(source, QLatin1String(name), QString::fromUtf8(caption), gridCell(row, column),
                            inputColour, QString::fromUtf8(tip));
    };
    apparatusVolume = input("apparatusVolume", "Vап, куб.м.", 0, 0, "Объем жидкости в аппарате");
    flowRate = input("flowRate", "q, куб.м./с", 0, 1,
                     "Расход жидкости, поступающей по трубопроводам до их отключения");
    shutOffTime = fieldInFrame(source, QStringLiteral("shutOffTime"), QStringLiteral("T, с"), gridCell(0, 2),
                               inputColour,
                               QStringLiteral("Расчетное время отключения трубопроводов: время срабатывания "
                                              "автоматики по паспорту, 120 с при автоматическом отключении, "
                                              "300 с при ручном"),
                               twipsRect(120, 240, 960, 375));
    QWidget* timeFrame = shutOffTime->parentWidget();
    shutOff120 = makeButton(timeFrame, QStringLiteral("shutOff120"), QStringLiteral("120"),
                            twipsRect(1110, 240, 420, 375),
                            QStringLiteral("Автоматическое отключение трубопроводов: 120 с"));
    shutOff300 =
        makeButton(timeFrame, QStringLiteral("shutOff300"), QStringLiteral("300"),
                   twipsRect(1530, 240, 420, 375), QStringLiteral("Ручное отключение трубопроводов: 300 с"));
    liquidDensity = input("liquidDensity", "ρж, кг/куб.м.", 1, 0, "Плотность жидкости");
    solventShare = input("solventShare", "Растворитель, % масс.", 1, 1,
                         "Доля растворителя по массе: для смесей и растворов, содержащих 70% и менее "
                         "растворителей, 1 л разливается на 0,5 кв.м., для остальных жидкостей на 1 кв.м.");
    floorArea = input("floorArea", "Пол, кв.м.", 1, 2, "Площадь пола помещения");
    trayArea = input("trayArea", "Поддон, кв.м.", 2, 0,
                     "Площадь поддона или обвалования, удерживающего разлив (пусто, если его нет)");
    airSpeed = input("airSpeed", "U, м/с", 2, 1, "Скорость воздушного потока над поверхностью испарения");
    T1 = fieldInFrame(source, QStringLiteral("T1"), QStringLiteral("tp, °C"), gridCell(2, 2), resultColour,
                      QStringLiteral("Расчетная температура воздуха"));
    T1->setReadOnly(true);
    vapourPressure = input("vapourPressure", "Pн, кПа", 3, 0, "Давление насыщенного пара");
    molarMass = input("molarMass", "М", 3, 1, "Молярная масса вещества");
    buildPipelines(source);
}

void Spill::buildPipelines(QWidget* sourceFrame)
{
    QGroupBox* frame = makeFrame(sourceFrame, QStringLiteral("pipelinesFrame"),
                                 QStringLiteral("Участки трубопроводов до задвижек (d, мм; L, м)"),
                                 twipsRect(120, 3120, 6330, 1455));
    pipelines = new QTableWidget(0, 2, frame);
    nameControl(pipelines, QStringLiteral("pipelines"),
                QStringLiteral("Участки трубопроводов: внутренний диаметр, мм и длина, м"));
    pipelines->setToolTip(pipelines->accessibleName());
    pipelines->setGeometry(twipsRect(120, 240, 4500, 1095));
    pipelines->setHorizontalHeaderLabels({QStringLiteral("d, мм"), QStringLiteral("L, м")});
    pipelines->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    pipelines->verticalHeader()->setDefaultSectionSize(pixels(300));
    pipelines->setSelectionBehavior(QAbstractItemView::SelectRows);
    pipelines->setSelectionMode(QAbstractItemView::SingleSelection);
    QPalette palette = pipelines->palette();
    palette.setColor(QPalette::Base, inputColour);
    pipelines->setPalette(palette);
    addPipeline =
        makeButton(frame, QStringLiteral("addPipeline"), QStringLiteral("Добавить"),
                   twipsRect(4740, 240, 1455, 375), QStringLiteral("Добавить участок трубопровода"));
    removePipeline =
        makeButton(frame, QStringLiteral("removePipeline"), QStringLiteral("Удалить"),
                   twipsRect(4740, 660, 1455, 375), QStringLiteral("Удалить выбранный участок трубопровода"));
}

void Spill::buildResult()
{
    QGroupBox* frame = makeFrame(this, QStringLiteral("resultFrame"), QStringLiteral("Результат"),
                                 twipsRect(0, 4740, 6570, 1710));
    const auto output = [frame](const char* name, const char* caption, int row, int column, const char* tip) {
        QLineEdit* field = fieldInFrame(frame, QLatin1String(name), QString::fromUtf8(caption),
                                        twipsRect(120 + 1590 * column, 210 + 720 * row, 1500, 690),
                                        resultColour, QString::fromUtf8(tip), twipsRect(120, 240, 1260, 375));
        field->setReadOnly(true);
        return field;
    };
    liquidVolume = output("liquidVolume", "Vж, куб.м.", 0, 0, "Объем разлившейся жидкости");
    liquidMass = output("liquidMass", "mж, кг", 0, 1, "Масса разлившейся жидкости (растворителя)");
    spillArea = output("spillArea", "Fи, кв.м.", 0, 2, "Площадь испарения");
    eta = output("eta", "η", 0, 3, "Коэффициент по скорости и температуре воздушного потока (табл. А.2)");
    evaporationRate = output("evaporationRate", "W, кг/(с·кв.м.)", 1, 0, "Интенсивность испарения");
    fullEvaporationTime = output("fullEvaporationTime", "Tполн, с", 1, 1, "Время полного испарения");
    evaporationTime = output("evaporationTime", "T, с", 1, 2, "Продолжительность испарения, не более 3600 с");
    vapourMass = output("vapourMass", "m, кг", 1, 3, "Масса паров жидкости");
    calculate = makeButton(this, QStringLiteral("calculate"), QStringLiteral("Расчет"),
                           twipsRect(3780, 6540, 1215, 375));
    apply = makeButton(this, QStringLiteral("apply"), QStringLiteral("Применить"),
                       twipsRect(5235, 6540, 1215, 375));
}

void Spill::connectHandlers()
{
    connect(calculate, &QPushButton::clicked, this, &Spill::calculate_Click);
    connect(apply, &QPushButton::clicked, this, &Spill::apply_Click);
    connect(addPipeline, &QPushButton::clicked, this, &Spill::addPipeline_Click);
    connect(removePipeline, &QPushButton::clicked, this, &Spill::removePipeline_Click);
    connect(shutOff120, &QPushButton::clicked, this,
            [this] { shutOffTime->setText(formatNumber(automaticShutOffSeconds, locale_)); });
    connect(shutOff300, &QPushButton::clicked, this,
            [this] { shutOffTime->setText(formatNumber(manualShutOffSeconds, locale_)); });
    for (QLineEdit* input : {apparatusVolume, flowRate, shutOffTime, liquidDensity, solventShare, floorArea,
                             trayArea, airSpeed, vapourPressure, molarMass}) {
        connect(input, &QLineEdit::textChanged, this, &Spill::discardResult);
        connect(input, &QLineEdit::returnPressed, this, &Spill::calculate_Click);
    }
    connect(pipelines, &QTableWidget::itemChanged, this, &Spill::discardResult);
    connect(pipelines->model(), &QAbstractItemModel::rowsInserted, this, &Spill::discardResult);
    connect(pipelines->model(), &QAbstractItemModel::rowsRemoved, this, &Spill::discardResult);
}

// Zeros nothing has computed yet leave their fields empty, to be typed.
void Spill::Form_Load(const SpillStart& start)
{
    showText(shutOffTime, formatNumber(automaticShutOffSeconds, locale_));
    showText(solventShare, formatNumber(pureSolventShare, locale_));
    showText(airSpeed, formatNumber(0.0, locale_));
    showText(T1, formatNumber(start.airTemperature, locale_));
    if (start.vapourPressure != 0)
        showText(vapourPressure, formatNumber(start.vapourPressure, locale_));
    if (start.molarMass != 0)
        showText(molarMass, formatNumber(start.molarMass, locale_));
    if (start.liquidDensity)
        showText(liquidDensity, formatNumber(*start.liquidDensity, locale_));
}

SpillFields Spill::fieldTexts() const
{
    SpillFields fields{apparatusVolume->text(), flowRate->text(),       shutOffTime->text(), {},
                       liquidDensity->text(),   solventShare->text(),   floorArea->text(),   trayArea->text(),
                       airSpeed->text(),        vapourPressure->text(), molarMass->text()};
    for (int row = 0; row < pipelines->rowCount(); ++row)
        fields.pipelines.append({cellText(pipelines, row, 0), cellText(pipelines, row, 1)});
    return fields;
}

void Spill::calculate_Click()
{
    try {
        const SpillResult r = calculateSpill(parseSpillFields(fieldTexts(), airTemperature_, locale_));
        const std::pair<QLineEdit*, double> shown[] = {{liquidVolume, r.liquidVolume},
                                                       {liquidMass, r.liquidMass},
                                                       {spillArea, r.spillArea},
                                                       {eta, r.evaporationCoefficient},
                                                       {evaporationRate, r.evaporationRate},
                                                       {fullEvaporationTime, r.fullEvaporationTime},
                                                       {evaporationTime, r.evaporationTime},
                                                       {vapourMass, r.vapourMass}};
        for (const auto& [field, value] : shown)
            showText(field, formatNumber(value, locale_));
        result_ = r;
    } catch (const UserError& error) {
        showError(this, error);
    }
}

void Spill::discardResult()
{
    result_.reset();
    for (QLineEdit* field : {liquidVolume, liquidMass, spillArea, eta, evaporationRate, fullEvaporationTime,
                             evaporationTime, vapourMass})
        field->clear();
}

// Without a result for the inputs shown the window closes and hands nothing back.
void Spill::apply_Click()
{
    if (result_)
        emit applied(*result_);
    close();
}

// A new section is selected at its diameter, where typing starts.
void Spill::addPipeline_Click()
{
    appendEmptyRow(pipelines);
}

void Spill::removePipeline_Click()
{
    removeSelectedOrLastRow(pipelines);
}
