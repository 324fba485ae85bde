#include "workflow_steps.h"

#include <QAction>
#include <QFile>
#include <QPointer>

#include <algorithm>

QWidget* openWindow(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            return window;
    return nullptr;
}

Workflow::~Workflow()
{
    glav_.reset();
    flushDeletes();
}

void Workflow::startProgram(const QLocale& locale)
{
    locale_ = locale;
    glav_ = std::make_unique<Glav>(locale);
    glav_->reportPublisher.setDocumentFolders({folder_.path()});
    glav_->show();
    dialogs_.answerFileDialog = [this](QFileDialog&) { return chosenFile_; };
}

void Workflow::restartProgram()
{
    glav_.reset();
    flushDeletes();
    EXPECT_EQ(topLevel(QStringLiteral("Result_Out")), nullptr);
    startProgram(locale_);
}

QString Workflow::local(const char* commaText) const
{
    return QString::fromUtf8(commaText).replace(u',', locale_.decimalPoint());
}

QWidget* Workflow::openCalculator(QWidget* opener, const char* button, const char* window)
{
    clickButton(opener, latin(button));
    QWidget* opened = openWindow(latin(window));
    EXPECT_NE(opened, nullptr) << window << " did not open";
    EXPECT_FALSE(opener->isEnabled()) << opener->objectName().toStdString() << " still takes input";
    return opened;
}

QString Workflow::calculateAndApply(QWidget* calculator, std::initializer_list<Typed> fields,
                                    const char* calculate, const char* result, const char* apply,
                                    QWidget* opener, const char* openerField)
{
    if (!calculator)
        return {};
    const QPointer<QWidget> window(calculator);
    for (const auto& [field, text] : fields)
        typeInto(calculator, latin(field), text);
    clickButton(calculator, latin(calculate));
    const QString shown = textOf(calculator, latin(result));
    clickButton(calculator, latin(apply));
    flushDeletes();
    EXPECT_TRUE(window.isNull()) << "\"Применить\" discards the calculator";
    EXPECT_EQ(textOf(opener, latin(openerField)), shown);
    EXPECT_TRUE(opener->isEnabled());
    return shown;
}

QString Workflow::fillStoichiometry(const char* nC, const char* nH, const char* nO, const char* nX)
{
    QWidget* steh = openCalculator(&glav(), "Command2", "Steh");
    return calculateAndApply(
        steh, {{"Text1", local(nC)}, {"Text2", local(nH)}, {"Text3", local(nO)}, {"Text4", local(nX)}},
        "Command2", "Text5", "Command1", &glav(), "Text5");
}

QString Workflow::fillDensity(const char* molarMass, const char* temperature)
{
    QWidget* plotn = openCalculator(&glav(), "Command3", "Plotn");
    return calculateAndApply(plotn, {{"Text3", local(molarMass)}, {"Text1", local(temperature)}}, "Command2",
                             "Text2", "Command1", &glav(), "Text4");
}

QString Workflow::fillLiquidVapour(const char* area, const char* flowFactor, const char* molarMass,
                                   const char* const (&antoine)[3], QString& mass)
{
    QWidget* massjid = openCalculator(&glav(), "Command4", "Massjid");
    if (!massjid)
        return {};
    EXPECT_EQ(textOf(massjid, QStringLiteral("Text1")), QStringLiteral("3600")) << "evaporation time, s";
    typeInto(massjid, QStringLiteral("Text3"), local(area));
    typeInto(massjid, QStringLiteral("Text5"), local(flowFactor));
    typeInto(massjid, QStringLiteral("Text4"), local(molarMass));

    QWidget* plpar = openCalculator(massjid, "Command3", "Plpar");
    const QString pressure = calculateAndApply(
        plpar, {{"Text1", local(antoine[0])}, {"Text2", local(antoine[1])}, {"Text3", local(antoine[2])}},
        "Command1", "Text5", "Command2", massjid, "Text2");
    EXPECT_FALSE(glav().isEnabled()) << "the main window waits for the liquid-vapour window";

    mass = calculateAndApply(massjid, {}, "Command2", "Text6", "Command1", &glav(), "Text1");
    return pressure;
}

void Workflow::typeMain(const char* typing)
{
    for (const QString& entry : local(typing).split(u' '))
        typeInto(&glav(), entry.section(u'=', 0, 0), entry.section(u'=', 1));
}

void Workflow::press(const char* button)
{
    clickButton(&glav(), latin(button));
}

void Workflow::useFileMenu(const char* item, const QString& file)
{
    chosenFile_ = file;
    child<QAction>(&glav(), latin(item))->trigger();
    EXPECT_EQ(glav().windowTitle(), file);
}

QByteArray Workflow::reportDocument() const
{
    return fileBytes(path("proect.htm"));
}

QByteArray Workflow::fileBytes(const QString& file)
{
    QFile bytes(file);
    return bytes.open(QIODevice::ReadOnly) ? bytes.readAll() : QByteArray();
}

QByteArray Workflow::expected(const QString& name)
{
    const QByteArray bytes = fileBytes(QStringLiteral(EXPECTED_WORKFLOW "/") + name);
    EXPECT_FALSE(bytes.isEmpty()) << "missing expected file " << name.toStdString();
    return bytes;
}

long Workflow::messageBoxes() const
{
    return std::count_if(dialogs_.seen.begin(), dialogs_.seen.end(), [](const SeenDialog& seen) {
        return seen.className == QStringLiteral("QMessageBox");
    });
}
