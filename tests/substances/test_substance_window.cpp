#include "glav.h"
#include "modal.h"
#include "numbers.h"
#include "own_substances.h"
#include "report_sections.h"
#include "substance_memory.h"
#include "substance_table.h"
#include "window_test.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString roomTitle = QStringLiteral(
    "<h3>1 Расчет избыточного давления взрыва для ГГ или паров ЛВЖ и ГЖ (СП 12.13130.2009)</h3>");

class SubstanceWindow : public testing::Test {
  protected:
    SubstanceWindow()
    {
        QStandardPaths::setTestModeEnabled(true); // own substances go to a test folder
        QFile::remove(ownSubstancesPath());
        QFile::remove(substanceMemoryPath());
        glav = std::make_unique<Glav>(commaLocale());
        glav->show();
    }
    ~SubstanceWindow() override
    {
        glav.reset();
        flushDeletes();
    }

    QWidget* openSubstances()
    {
        glav->findChild<QAction*>(QStringLiteral("substances"))->trigger();
        return topLevel(QStringLiteral("Substances"));
    }

    void useFile(const char* action, const QString& path)
    {
        DialogRecorder recorder;
        recorder.answerFileDialog = [path](QFileDialog&) { return path; };
        glav->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }

    std::unique_ptr<Glav> glav;
    QTemporaryDir folder;
};

} // namespace

TEST_F(SubstanceWindow, TypingFiltersEnterAppliesAndTheMainWindowTakesInputAgain)
{
    QWidget* window = openSubstances();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Справочник веществ"));
    EXPECT_FALSE(glav->isEnabled());
    auto* list = child<QTableWidget>(window, QStringLiteral("list"));
    child<QLineEdit>(window, QStringLiteral("search"))
        ->setText(QStringLiteral("АЦЕТОН")); // as typed: the list follows every change
    ASSERT_EQ(list->rowCount(), 1);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(list->item(0, 0)->text(), QStringLiteral("Ацетон"));
    EXPECT_TRUE(
        child<QLabel>(window, QStringLiteral("participation"))->text().startsWith(QStringLiteral("Z = 0,3")));

    QTest::keyClick(child<QLineEdit>(window, QStringLiteral("search")), Qt::Key_Return);
    flushDeletes();
    EXPECT_EQ(topLevel(QStringLiteral("Substances")), nullptr);
    EXPECT_TRUE(glav->isEnabled());
    EXPECT_EQ(textOf(glav.get(), QStringLiteral("Text2")), QStringLiteral("0,3"));
    EXPECT_EQ(textOf(glav.get(), QStringLiteral("Text5")), formatNumber(glav->state.Cst, commaLocale()));
    EXPECT_EQ(textOf(glav.get(), QStringLiteral("Text4")), formatNumber(glav->state.pl, commaLocale()));
    EXPECT_EQ(textOf(glav.get(), QStringLiteral("Text9")), QStringLiteral("31,36"));
    EXPECT_EQ(textOf(glav.get(), QStringLiteral("Text7")), QStringLiteral("900")); // no Pmax in the table
}

TEST_F(SubstanceWindow, EscapeClosesAndChangesNothing)
{
    QWidget* window = openSubstances();
    QTest::keyClick(child<QLineEdit>(window, QStringLiteral("search")), Qt::Key_Escape);
    flushDeletes();
    EXPECT_TRUE(glav->isEnabled());
    EXPECT_TRUE(glav->state.substance.isEmpty());
    EXPECT_TRUE(textOf(glav.get(), QStringLiteral("Text5")).isEmpty());
}

// The name is not in the 33-line file; opening recognises it from the numbers the file keeps.
TEST_F(SubstanceWindow, ReportNamesTheSubstanceAcrossSaveAndOpenAndOnlyThen)
{
    const QString plain = folder.filePath(QStringLiteral("plain.pzr"));
    useFile("save", plain);
    glav->result1();
    EXPECT_EQ(glav->state.out, roomSection(glav->state, commaLocale()));

    QWidget* window = openSubstances();
    child<QLineEdit>(window, QStringLiteral("search"))
        ->setText(QStringLiteral("толуол")); // as typed: the list follows every change
    clickButton(window, QStringLiteral("apply"));
    flushDeletes();
    const QString named =
        roomTitle
        + QStringLiteral("<p>Вещество: Толуол, формула C7H8. Данные: справочник веществ программы; "
                         "источник: ");
    glav->result1();
    EXPECT_TRUE(glav->state.out.startsWith(named));
    const QString withSubstance = folder.filePath(QStringLiteral("toluene.pzr"));
    useFile("save", withSubstance);

    glav = std::make_unique<Glav>(commaLocale());
    useFile("open", withSubstance);
    EXPECT_EQ(glav->state.substance, QStringLiteral("Толуол"));
    glav->result1();
    EXPECT_TRUE(glav->state.out.startsWith(named));

    useFile("open", plain);
    glav->result1();
    EXPECT_EQ(glav->state.out, roomSection(glav->state, commaLocale()));
}

TEST_F(SubstanceWindow, OwnRowFailingACheckIsNotSavedAndAGoodOneIsListedAsOwn)
{
    QWidget* window = openSubstances();
    QStringList messages;
    setModalHandler([&messages](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            messages << box->text();
            return int(QMessageBox::Ok);
        }
        const auto type = [&dialog](const char* field, const QString& text) {
            dialog.findChild<QLineEdit*>(QString::fromLatin1(field))->setText(text);
        };
        type("name", QStringLiteral("Растворитель 646"));
        type("formula", QStringLiteral("C7H8"));
        type("nC", QStringLiteral("7"));
        type("nH", QStringLiteral("8"));
        type("source", QStringLiteral("паспорт безопасности"));
        type("M", QStringLiteral("95"));
        dialog.accept(); // 3 % off the formula's mass: refused, the form stays open
        type("M", QStringLiteral("92,14"));
        dialog.accept();
        return dialog.result();
    });
    clickButton(window, QStringLiteral("add"));
    failOnUnexpectedDialogs();

    EXPECT_EQ(messages,
              QStringList{QStringLiteral("Поле «M»: отличается от массы по формуле более чем на 1 %\n"
                                         "Запись не сохранена.")});
    auto* list = child<QTableWidget>(window, QStringLiteral("list"));
    EXPECT_EQ(list->item(list->currentRow(), 0)->text(), QStringLiteral("Растворитель 646 (свое)"));
    EXPECT_EQ(loadOwnSubstances(ownSubstancesPath()).rows.size(), 1u);
    clickButton(window, QStringLiteral("remove"));
    EXPECT_TRUE(loadOwnSubstances(ownSubstancesPath()).rows.empty());
    EXPECT_EQ(list->rowCount(), int(shippedSubstances().size()));
}
