#include "workflow_steps.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QString focusName()
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// A window sees keys once it is the active one, as after the user switched to it.
bool activate(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void key(Qt::Key pressed)
{
    QTest::keyClick(QApplication::focusWidget(), pressed);
}

// Presses Tab until the control has the focus; false when a whole round of the window misses it.
bool tabTo(const QString& name)
{
    for (int presses = 0; presses < 40 && focusName() != name; ++presses)
        key(Qt::Key_Tab);
    return focusName() == name;
}

// The controls that have the focus, one after another, while Tab is pressed `presses` times.
QStringList tabRound(qsizetype presses)
{
    QStringList visited;
    for (qsizetype i = 0; i < presses; ++i) {
        visited << focusName();
        key(Qt::Key_Tab);
    }
    return visited;
}

// Tabs to a field and types over its text, which Tab selected. `typing` is "Field=text ...".
void typeAt(const QString& typing)
{
    for (const QString& entry : typing.split(u' ')) {
        const QString field = entry.section(u'=', 0, 0);
        ASSERT_TRUE(tabTo(field)) << field.toStdString();
        QTest::keyClicks(QApplication::focusWidget(), entry.section(u'=', 1));
    }
}

} // namespace

TEST(KeyboardUse, MainWindowIsWorkedWithTabEnterAndSpace)
{
    QTemporaryDir folder;
    Glav glav(commaLocale());
    glav.reportPublisher.setDocumentFolders({folder.path()});
    glav.show();
    ASSERT_TRUE(activate(&glav));
    EXPECT_EQ(focusName(), QStringLiteral("Text7")) << "the first field has the focus at start";
    // The source data row by row as the window shows them, then the ventilation frame.
    const QStringList order =
        QStringLiteral("Text7 Text8 Text1 Command4 Text3 Text4 Command3 Text5 Command2 "
                       "Text6 Text2 Text9 Check1 Check2 Command1 Text12 Text11 Command6 "
                       "Command8 Text10 Text13")
            .split(u' ');
    EXPECT_EQ(tabRound(order.size()), order);
    EXPECT_EQ(focusName(), order.first()) << "Tab goes round";

    // The worked example: 799 * 10 * 0.3 * 100 / (2 * 100 * 4 * 3) = 99.875 kPa.
    typeAt(QStringLiteral("Text1=10 Text3=100 Text4=2 Text5=4"));
    ASSERT_TRUE(tabTo(QStringLiteral("Command1")));
    key(Qt::Key_Return);
    EXPECT_EQ(glav.state.EP, 99.875);
    ASSERT_NE(topLevel(QStringLiteral("Result_Out")), nullptr);

    ASSERT_TRUE(activate(&glav));
    typeAt(QStringLiteral("Text12=8 Text11=20"));
    ASSERT_TRUE(tabTo(QStringLiteral("Command6")));
    key(Qt::Key_Space);
    EXPECT_EQ(textOf(&glav, QStringLiteral("Text13")), QStringLiteral("800м3/час"));
    key(Qt::Key_Tab);
    key(Qt::Key_Space);
    EXPECT_TRUE(glav.state.out.contains(QStringLiteral("<p>Qвент = 800м<sup>3</sup>/час.")));
}

namespace {

// Space/Enter on a focused button is checked by opening with Space and applying with Enter.
struct KeyboardCase {
    const char* window;
    const char* openedBy; // "Window.Button ...", starting from the main window
    const char* tabOrder; // the controls by their tab indices
    const char* typed;    // "Field=text ...", Enter pressed in the last field
    const char* result;
    const char* shown;
    const char* apply;
    const char* target; // the field of the opener that receives the result
};
void PrintTo(const KeyboardCase& row, std::ostream* os)
{
    *os << row.window;
}

const KeyboardCase calculators[] = {
    {"Steh", "Glav.Command2", "Text1 Text2 Text3 Text4 Command2 Text5 Command1", "Text1=1 Text2=4", "Text5",
     "9,36329588014981", "Command1", "Text5"},
    {"Plotn", "Glav.Command3", "Text3 Text1 Command2 Text2 Command1", "Text3=16", "Text2",
     "0,628524123219582", "Command1", "Text4"},
    {"Massjid", "Glav.Command4", "Text3 Text1 Text5 Text4 Text2 Command3 Command2 Text6 Command1",
     "Text3=1 Text5=1 Text4=16 Text2=10", "Text6", "0,144", "Command1", "Text1"},
    {"Plpar", "Glav.Command4 Massjid.Command3", "Text1 Text2 Text3 Text4 Command1 Text5 Command2",
     "Text1=6 Text2=1200 Text3=230", "Text5", "32,0345020425092", "Command2", "Text2"},
};

} // namespace

class CalculatorKeyboardUse : public testing::TestWithParam<KeyboardCase> {
  protected:
    void TearDown() override { flushDeletes(); }
    Glav glav{commaLocale()};
};

// The focus starts in the first field, Tab follows the tab indices, Enter in a field calculates,
// and the keys go back to the opener at the field that got the result.
TEST_P(CalculatorKeyboardUse, CalculatorIsWorkedWithTabEnterAndSpace)
{
    const KeyboardCase& row = GetParam();
    glav.show();
    QWidget* opener = nullptr;
    for (const QString& step : latin(row.openedBy).split(u' ')) {
        opener = openWindow(step.section(u'.', 0, 0));
        ASSERT_NE(opener, nullptr) << step.toStdString();
        ASSERT_TRUE(activate(opener)) << step.toStdString();
        ASSERT_TRUE(tabTo(step.section(u'.', 1))) << step.toStdString();
        key(Qt::Key_Space);
    }
    QWidget* calculator = openWindow(latin(row.window));
    ASSERT_NE(calculator, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(calculator));
    const QStringList order = latin(row.tabOrder).split(u' ');
    EXPECT_EQ(focusName(), order.first());
    EXPECT_EQ(tabRound(order.size()), order);

    typeAt(latin(row.typed));
    key(Qt::Key_Return);
    EXPECT_EQ(textOf(calculator, latin(row.result)), QString::fromUtf8(row.shown));

    ASSERT_TRUE(tabTo(latin(row.apply)));
    key(Qt::Key_Return);
    EXPECT_FALSE(calculator->isVisible());
    EXPECT_EQ(textOf(opener, latin(row.target)), QString::fromUtf8(row.shown));
    EXPECT_TRUE(opener->isEnabled());
    EXPECT_TRUE(QTest::qWaitForWindowActive(opener)) << "the keys go back to the opener";
    EXPECT_EQ(focusName(), latin(row.target));
}

INSTANTIATE_TEST_SUITE_P(Calculators, CalculatorKeyboardUse, testing::ValuesIn(calculators),
                         [](const auto& info) { return std::string(info.param.window); });
