#include "massgas.h"

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

// Shut-off times of a supply pipeline: automatic shut-off without redundancy, and manual shut-off.
constexpr double automaticShutOffSeconds = 120;
constexpr double manualShutOffSeconds = 300;

// Source-data frames stand in a grid of three columns; each holds one field.
constexpr int frameWidth = 2040;
constexpr int frameHeight = 735;
constexpr int columnLeft[] = {120, 2280, 4440};
constexpr int rowTop[] = {240, 960};
const QRect wholeFrame = twipsRect(120, 240, 1800, 375);

// A field in a frame of its own named after it, captioned with its symbol and unit.
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

} // namespace

Massgas::Massgas(QWidget* opener, const CalculationState& state, const QLocale& locale)
    : CalculatorWindow(opener, state, locale, QStringLiteral("Massgas"),
                       QStringLiteral("Расчет массы горючего газа"), 6570, 4935)
{
    buildSourceData();
    buildResult();
    chainTabOrder({apparatusPressure, apparatusVolume, density, flowRate, shutOffTime, automaticShutOff,
                   manualShutOff, pipelinePressure, pipelines, addPipeline, removePipeline, calculate,
                   applyButton});
    connectHandlers();
    Form_Load();
}

void Massgas::buildSourceData()
{
    auto* sourceFrame = makeFrame(this, QStringLiteral("sourceFrame"), QStringLiteral("Исходные данные"),
                                  twipsRect(0, 0, 6570, 3255));
    apparatusPressure =
        fieldInFrame(sourceFrame, QStringLiteral("apparatusPressure"), QStringLiteral("P1, кПа"),
                     gridCell(0, 0), inputColour, QStringLiteral("Давление в аппарате"));
    apparatusVolume =
        fieldInFrame(sourceFrame, QStringLiteral("apparatusVolume"), QStringLiteral("V, куб.м."),
                     gridCell(0, 1), inputColour, QStringLiteral("Объем аппарата"));
    density =
        fieldInFrame(sourceFrame, QStringLiteral("density"), QStringLiteral("ρ, кг/куб.м."), gridCell(0, 2),
                     inputColour, QStringLiteral("Плотность газа при расчетной температуре"));
    flowRate = fieldInFrame(sourceFrame, QStringLiteral("flowRate"), QStringLiteral("q, куб.м./с"),
                            gridCell(1, 0), inputColour,
                            QStringLiteral("Расход газа, поступающего по трубопроводу до его отключения"));
    shutOffTime = fieldInFrame(sourceFrame, QStringLiteral("shutOffTime"), QStringLiteral("T, с"),
                               gridCell(1, 1), inputColour,
                               QStringLiteral("Расчетное время отключения трубопровода: время срабатывания "
                                              "автоматики по паспорту, 120 с при автоматическом отключении, "
                                              "300 с при ручном"),
                               twipsRect(120, 240, 960, 375));
    QWidget* timeFrame = shutOffTime->parentWidget();
    automaticShutOff = makeButton(timeFrame, QStringLiteral("automaticShutOff"), QStringLiteral("120"),
                                  twipsRect(1110, 240, 420, 375),
                                  QStringLiteral("Автоматическое отключение трубопровода: 120 с"));
    manualShutOff =
        makeButton(timeFrame, QStringLiteral("manualShutOff"), QStringLiteral("300"),
                   twipsRect(1530, 240, 420, 375), QStringLiteral("Ручное отключение трубопровода: 300 с"));
    pipelinePressure =
        fieldInFrame(sourceFrame, QStringLiteral("pipelinePressure"), QStringLiteral("P2, кПа"),
                     gridCell(1, 2), inputColour, QStringLiteral("Максимальное давление в трубопроводе"));
    buildPipelines(sourceFrame);
}

void Massgas::buildPipelines(QGroupBox* sourceFrame)
{
    QGroupBox* frame =
        makeFrame(sourceFrame, QStringLiteral("pipelinesFrame"),
                  QStringLiteral("Участки трубопроводов (d, мм; L, м)"), twipsRect(120, 1680, 6330, 1455));
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
    pipelines->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                               | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
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

void Massgas::buildResult()
{
    auto* resultFrame = makeFrame(this, QStringLiteral("resultFrame"), QStringLiteral("Результат"),
                                  twipsRect(0, 3300, 6570, 1020));
    const auto cell = [](int column) { return twipsRect(120 + 1590 * column, 210, 1500, 690); };
    const QRect field = twipsRect(120, 240, 1260, 375);
    apparatusGas =
        fieldInFrame(resultFrame, QStringLiteral("apparatusGas"), QStringLiteral("Vа, куб.м."), cell(0),
                     resultColour, QStringLiteral("Объем газа, вышедшего из аппарата"), field);
    flowGas = fieldInFrame(resultFrame, QStringLiteral("flowGas"), QStringLiteral("V1т, куб.м."), cell(1),
                           resultColour,
                           QStringLiteral("Объем газа, вышедшего из трубопровода до его отключения"), field);
    pipelineGas = fieldInFrame(
        resultFrame, QStringLiteral("pipelineGas"), QStringLiteral("V2т, куб.м."), cell(2), resultColour,
        QStringLiteral("Объем газа, вышедшего из трубопроводов после их отключения"), field);
    gasMass = fieldInFrame(resultFrame, QStringLiteral("gasMass"), QStringLiteral("m, кг"), cell(3),
                           resultColour, QStringLiteral("Масса горючего газа"), field);
    for (QLineEdit* result : {apparatusGas, flowGas, pipelineGas, gasMass})
        result->setReadOnly(true);
    calculate = makeButton(this, QStringLiteral("calculate"), QStringLiteral("Расчет"),
                           twipsRect(3780, 4440, 1215, 375));
    applyButton = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Применить"),
                             twipsRect(5235, 4440, 1215, 375));
}

void Massgas::connectHandlers()
{
    connect(calculate, &QPushButton::clicked, this, &Massgas::calculate_Click);
    connect(applyButton, &QPushButton::clicked, this, &Massgas::Command1_Click);
    connect(addPipeline, &QPushButton::clicked, this, &Massgas::addPipeline_Click);
    connect(removePipeline, &QPushButton::clicked, this, &Massgas::removePipeline_Click);
    connect(automaticShutOff, &QPushButton::clicked, this,
            [this] { shutOffTime->setText(formatNumber(automaticShutOffSeconds, locale_)); });
    connect(manualShutOff, &QPushButton::clicked, this,
            [this] { shutOffTime->setText(formatNumber(manualShutOffSeconds, locale_)); });
    const auto inputs = {apparatusPressure, apparatusVolume, density,
                         flowRate,          shutOffTime,     pipelinePressure};
    for (QLineEdit* input : inputs)
        connect(input, &QLineEdit::textChanged, this, &Massgas::discardResult);
    connect(pipelines, &QTableWidget::itemChanged, this, &Massgas::discardResult);
    connect(pipelines->model(), &QAbstractItemModel::rowsInserted, this, &Massgas::discardResult);
    connect(pipelines->model(), &QAbstractItemModel::rowsRemoved, this, &Massgas::discardResult);
    calculateOnEnter(inputs, &Massgas::calculate_Click);
}

// A density nothing has computed yet (0) leaves its field empty, to be typed: a zero would give a
// zero mass without a word.
void Massgas::Form_Load()
{
    showNumbers({{shutOffTime, automaticShutOffSeconds}});
    if (state_.pl != 0)
        showNumbers({{density, state_.pl}});
}

GasReleaseFields Massgas::fieldTexts() const
{
    GasReleaseFields fields{apparatusPressure->text(),
                            apparatusVolume->text(),
                            flowRate->text(),
                            shutOffTime->text(),
                            pipelinePressure->text(),
                            {},
                            density->text()};
    for (int row = 0; row < pipelines->rowCount(); ++row)
        fields.pipelines.append({cellText(pipelines, row, 0), cellText(pipelines, row, 1)});
    return fields;
}

void Massgas::calculate_Click()
{
    try {
        const GasRelease release = calculateGasRelease(fieldTexts(), locale_);
        showText(apparatusGas, formatNumber(release.apparatusGas, locale_));
        showText(flowGas, formatNumber(release.flowGas, locale_));
        showText(pipelineGas, formatNumber(release.pipelineGas, locale_));
        showText(gasMass, formatNumber(release.mass, locale_));
        result_ = release;
    } catch (const UserError& error) {
        showError(this, error);
    }
}

void Massgas::discardResult()
{
    result_.reset();
    for (QLineEdit* result : {apparatusGas, flowGas, pipelineGas, gasMass})
        result->clear();
}

// Without a result for the inputs shown the window closes and the main window's mass stays as it was.
void Massgas::Command1_Click()
{
    if (result_)
        emit releaseApplied(*result_);
    close();
}

// A new section is selected at its diameter, where typing starts.
void Massgas::addPipeline_Click()
{
    appendEmptyRow(pipelines);
}

void Massgas::removePipeline_Click()
{
    removeSelectedOrLastRow(pipelines);
}
