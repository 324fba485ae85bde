#include "form_layout.h"
#include "massgas.h"
#include "massjid.h"
#include "plotn.h"
#include "plpar.h"
#include "steh.h"
#include "window_test.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>

#include <memory>
#include <vector>

namespace {

enum class Colour { None, Input, Result };

struct ControlRow {
    const char* name;
    const char* container;
    const char* text; // frame and button caption, field tooltip
    Colour colour;
    int left, top, width, height; // twips, relative to the container
};

struct WindowLayout {
    const char* name;
    const char* caption;
    int width, height; // client area, twips
    std::vector<ControlRow> controls;
    std::vector<const char*> tabOrder;
};
void PrintTo(const WindowLayout& layout, std::ostream* os) { *os << layout.name; }

const WindowLayout steh{"Steh",
                        "Расчет стехиометрической концентрации",
                        4215,
                        2010,
                        {
                            {"Frame1", "Steh", "Число атомов", Colour::None, 120, 0, 4095, 1095},
                            {"Frame2", "Frame1", "C", Colour::None, 120, 240, 975, 735},
                            {"Text1", "Frame2", "", Colour::Input, 120, 240, 735, 405},
                            {"Frame3", "Frame1", "H", Colour::None, 1080, 240, 975, 735},
                            {"Text2", "Frame3", "", Colour::Input, 120, 240, 735, 405},
                            {"Frame4", "Frame1", "O", Colour::None, 2040, 240, 975, 735},
                            {"Text3", "Frame4", "", Colour::Input, 120, 240, 735, 405},
                            {"Frame5", "Frame1", "X", Colour::None, 3000, 240, 975, 735},
                            {"Text4", "Frame5", "", Colour::Input, 120, 240, 735, 405},
                            {"Frame6", "Steh", "Результат", Colour::None, 120, 1200, 2535, 735},
                            {"Text5", "Frame6", "", Colour::Result, 120, 240, 975, 405},
                            {"Command2", "Frame6", "Расчет", Colour::None, 1200, 240, 1215, 375},
                            {"Command1", "Steh", "Применить", Colour::None, 2760, 1440, 1215, 375},
                        },
                        {"Text1", "Text2", "Text3", "Text4", "Command2", "Text5", "Command1"}};

const WindowLayout plotn{
    "Plotn",
    "Расчет плотности газа/пара ",
    3795,
    2385,
    {
        {"Frame1", "Plotn", "Исходные данные", Colour::None, 0, 0, 3735, 1095},
        {"Frame5", "Frame1", "М", Colour::None, 240, 240, 1335, 735},
        {"Text3", "Frame5", "Молярная масса вещества", Colour::Input, 120, 240, 1095, 375},
        {"Frame2", "Frame1", "tр, гр.С", Colour::None, 1920, 240, 1695, 735},
        {"Text1", "Frame2", "Расчетная температура (при отсутствии данных tр=61 гр.С)", Colour::Input, 120,
         240, 1455, 375},
        {"Frame3", "Plotn", "Результат", Colour::None, 0, 1080, 3735, 735},
        {"Text2", "Frame3", "", Colour::Result, 120, 240, 2055, 375},
        {"Command2", "Frame3", "Расчет", Colour::None, 2280, 240, 1335, 375},
        {"Command1", "Plotn", "Применить", Colour::None, 1200, 1920, 1215, 375},
    },
    {"Text3", "Text1", "Command2", "Text2", "Command1"}};

const WindowLayout plpar{"Plpar",
                         "Расчет давления насыщенного пара, кПа",
                         5235,
                         2535,
                         {
                             {"Frame1", "Plpar", "Исходные данные", Colour::None, 120, 0, 5055, 1935},
                             {"Frame2", "Frame1", "Константа A", Colour::None, 120, 240, 1215, 735},
                             {"Text1", "Frame2", "", Colour::Input, 120, 240, 975, 375},
                             {"Frame3", "Frame1", "Константа B", Colour::None, 1320, 240, 1215, 735},
                             {"Text2", "Frame3", "", Colour::Input, 120, 240, 975, 375},
                             {"Frame4", "Frame1", "Константа Ca", Colour::None, 2520, 240, 1215, 735},
                             {"Text3", "Frame4", "", Colour::Input, 120, 240, 975, 375},
                             {"Frame5", "Frame1", "Температура", Colour::None, 3720, 240, 1215, 735},
                             {"Text4", "Frame5", "Расчетная температура (при отсутствии данных tр=61 гр.С)",
                              Colour::Input, 120, 240, 975, 375},
                             {"Frame6", "Frame1", "Результат", Colour::None, 120, 1080, 3255, 735},
                             {"Text5", "Frame6", "", Colour::Result, 360, 240, 2535, 375},
                             {"Command1", "Frame1", "Расчет", Colour::None, 3600, 1320, 1335, 375},
                             {"Command2", "Plpar", "Применить", Colour::None, 1920, 2040, 1335, 375},
                         },
                         {"Text1", "Text2", "Text3", "Text4", "Command1", "Text5", "Command2"}};

const WindowLayout massjid{
    "Massjid",
    "Расчет массы паров жидкости",
    4245,
    2355,
    {
        {"Frame1", "Massjid", "Исходные данные", Colour::None, 0, 0, 4215, 1815},
        {"Frame2", "Frame1", "Fи, кв.м.", Colour::None, 120, 240, 1335, 735},
        {"Text3", "Frame2", "Площадь испарения", Colour::Input, 120, 240, 1095, 375},
        {"Frame3", "Frame1", "Т, сек", Colour::None, 1440, 240, 1335, 735},
        {"Text1", "Frame3", "Время испрения", Colour::Input, 120, 240, 1095, 375},
        {"Frame6", "Frame1", "n", Colour::None, 2760, 240, 1335, 735},
        {"Text5", "Frame6",
         "Коэффициент зависящий от скорости и температуры воздушного потока над поверхностью испарения",
         Colour::Input, 120, 240, 1095, 375},
        {"Frame5", "Frame1", "М", Colour::None, 120, 960, 1335, 735},
        {"Text4", "Frame5", "Молярная масса вещества", Colour::Input, 120, 240, 1095, 375},
        {"Frame4", "Frame1", "Pн, кПа", Colour::None, 1440, 960, 1335, 735},
        {"Text2", "Frame4", "Давление насыщенного пара", Colour::Result, 120, 240, 735, 375},
        {"Command3", "Frame4", "…", Colour::None, 840, 240, 375, 375},
        {"Command2", "Frame1", "Расчет", Colour::None, 3000, 1200, 975, 375},
        {"Text6", "Massjid", "", Colour::Result, 120, 1920, 2055, 375},
        {"Command1", "Massjid", "Применить", Colour::None, 2880, 1920, 1215, 375},
    },
    {"Text3", "Text1", "Text5", "Text4", "Text2", "Command3", "Command2", "Text6", "Command1"}};

const WindowLayout massgas{"Massgas",
                           "Расчет массы горючего газа",
                           4680,
                           3195,
                           {{"Command1", "Massgas", "Применить", Colour::None, 1680, 2640, 1215, 375}},
                           {"Command1"}};

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// A window built as its opener would build it, with a stand-in opener and target field.
class CalculatorLayout : public ::testing::TestWithParam<WindowLayout> {
protected:
    void SetUp() override
    {
        const QString name = text(GetParam().name);
        if (name == u"Steh")
            window = new Steh(&opener, &target, state, commaLocale());
        else if (name == u"Plotn")
            window = new Plotn(&opener, &target, state, commaLocale());
        else if (name == u"Plpar")
            window = new Plpar(&opener, &target, state, commaLocale());
        else if (name == u"Massjid")
            window = new Massjid(&opener, &target, state, commaLocale());
        else
            window = new Massgas(&opener);
    }
    void TearDown() override { delete window.data(); }

    CalculationState state;
    QWidget opener;
    QLineEdit target;
    QPointer<QWidget> window;
};

TEST_P(CalculatorLayout, IsASmallTopLevelWindowWithoutCloseMinimiseOrMaximise)
{
    const WindowLayout& layout = GetParam();
    EXPECT_EQ(window->objectName(), text(layout.name));
    EXPECT_EQ(window->windowTitle(), text(layout.caption));
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_EQ(window->size(), QSize(pixels(layout.width), pixels(layout.height)));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));
}

QColor colourOf(Colour colour) { return colour == Colour::Input ? inputColour : resultColour; }

void expectControl(const QWidget* window, const ControlRow& row)
{
    SCOPED_TRACE(row.name);
    auto* control = child<QWidget>(window, text(row.name));
    ASSERT_NE(control, nullptr);
    ASSERT_NE(control->parentWidget(), nullptr);
    EXPECT_EQ(control->parentWidget()->objectName(), text(row.container));
    EXPECT_EQ(control->geometry(), twipsRect(row.left, row.top, row.width, row.height));
    EXPECT_FALSE(control->accessibleName().isEmpty());
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        EXPECT_EQ(frame->title(), text(row.text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        EXPECT_EQ(button->text(), text(row.text));
    } else if (auto* field = qobject_cast<QLineEdit*>(control)) {
        EXPECT_EQ(field->toolTip(), text(row.text));
        EXPECT_EQ(field->palette().color(QPalette::Base), colourOf(row.colour));
        EXPECT_FALSE(field->isReadOnly());
        EXPECT_EQ(field->echoMode(), QLineEdit::Normal);
    } else {
        ADD_FAILURE() << "unexpected kind of control";
    }
}

TEST_P(CalculatorLayout, ControlsStandInTheirContainersAtTheirPlaces)
{
    for (const ControlRow& row : GetParam().controls)
        expectControl(window, row);
    // Nothing but the listed controls: no stray fields or buttons.
    const auto fields = window->findChildren<QLineEdit*>();
    const auto buttons = window->findChildren<QAbstractButton*>();
    const auto frames = window->findChildren<QGroupBox*>();
    EXPECT_EQ(std::size_t(fields.size() + buttons.size() + frames.size()), GetParam().controls.size());
}

// The focusable controls in the order Tab visits them, starting from the first one listed.
QStringList tabChain(QWidget* window, const QString& first)
{
    QStringList names;
    QWidget* start = window->findChild<QWidget*>(first);
    QWidget* widget = start;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            names << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != start);
    return names;
}

TEST_P(CalculatorLayout, TabVisitsTheControlsInTheirTabOrder)
{
    QStringList expected;
    for (const char* name : GetParam().tabOrder)
        expected << text(name);
    EXPECT_EQ(tabChain(window, expected.first()).join(u' ').toStdString(), expected.join(u' ').toStdString());
}

INSTANTIATE_TEST_SUITE_P(Windows, CalculatorLayout, ::testing::Values(steh, plotn, plpar, massjid, massgas),
                         [](const auto& info) { return std::string(info.param.name); });

bool isLatin(const QString& text)
{
    for (QChar c : text)
        if (c.isLetter() && c.unicode() >= 0x80)
            return false;
    return true;
}

TEST(CalculatorCaptions, ElementSymbolsAndAntoineConstantsAreLatinLetters)
{
    CalculationState state;
    QWidget opener;
    QLineEdit target;
    Steh atoms(&opener, &target, state, commaLocale());
    for (const char* frame : {"Frame2", "Frame3", "Frame4", "Frame5"})
        EXPECT_TRUE(isLatin(child<QGroupBox>(&atoms, text(frame))->title())) << frame;
    Plpar antoine(&opener, &target, state, commaLocale());
    for (const char* frame : {"Frame2", "Frame3", "Frame4"}) {
        const QString title = child<QGroupBox>(&antoine, text(frame))->title();
        EXPECT_TRUE(isLatin(title.section(u' ', 1))) << frame;
        EXPECT_FALSE(isLatin(title.section(u' ', 0, 0))) << frame;
    }
}

TEST(CalculatorCaptions, DensityCaptionKeepsItsTrailingBlank)
{
    CalculationState state;
    QWidget opener;
    QLineEdit target;
    Plotn density(&opener, &target, state, commaLocale());
    EXPECT_TRUE(density.windowTitle().endsWith(u"/пара "));
}

TEST(CalculatorCaptions, VapourPressureButtonIsMarkedAndExplained)
{
    CalculationState state;
    QWidget opener;
    QLineEdit target;
    Massjid liquid(&opener, &target, state, commaLocale());
    auto* button = child<QAbstractButton>(&liquid, QStringLiteral("Command3"));
    EXPECT_FALSE(button->text().isEmpty());
    EXPECT_EQ(button->toolTip(), QStringLiteral("Рассчитать давление насыщенного пара"));
}

} // namespace
