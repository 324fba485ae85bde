#include "building_file.h"
#include "building_section.h"
#include "building_window.h"
#include "calculation_file.h"
#include "fire_load_file.h"
#include "glav.h"
#include "report_document.h"
#include "window_test.h"

#include <QAction>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

struct Row {
    QString name, area, category;
    bool suppression = false;
};

// Adds a row with "Добавить" and types into it as a user would.
void addRoom(Building& window, const Row& row)
{
    clickButton(&window, "addRoom");
    auto* rooms = child<QTableWidget>(&window, u"rooms"_s);
    const int r = rooms->rowCount() - 1;
    rooms->item(r, 0)->setText(row.name);
    rooms->item(r, 1)->setText(row.area);
    qobject_cast<QComboBox*>(rooms->cellWidget(r, 2))->setCurrentText(row.category);
    rooms->item(r, 3)->setCheckState(row.suppression ? Qt::Checked : Qt::Unchecked);
}

QString verdict(const Building& window)
{
    return child<QPlainTextEdit>(&window, u"category"_s)->toPlainText();
}

Building* openBuildingWindow(Glav& glav)
{
    glav.findChild<QAction*>(u"building"_s)->trigger();
    return qobject_cast<Building*>(topLevel(u"Building"_s));
}

const Row publishedRooms[] = {{u"Склад ЛВЖ"_s, u"150"_s, u"А"_s},
                              {u"Насосная"_s, u"400"_s, u"Б"_s},
                              {u"Прочие помещения"_s, u"31450"_s, u"Д"_s}};

// The published example from the Service menu to the report window.
TEST(BuildingWindow, FindsTheCategoryAndPublishesItsReport)
{
    Glav glav(commaLocale());
    Building* window = openBuildingWindow(glav);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), u"Категория здания"_s);
    EXPECT_EQ(openBuildingWindow(glav), window) << "one building window at a time";
    child<QLineEdit>(window, u"buildingName"_s)->setText(u"Цех № 2"_s);
    for (const Row& row : publishedRooms)
        addRoom(*window, row);
    clickButton(window, "calculate");
    EXPECT_TRUE(verdict(*window).startsWith(u"Категория здания: Б (п. 6.4 СП 12.13130.2009)\n"_s));
    EXPECT_TRUE(verdict(*window).contains(u"Б: S_А + S_Б = 550 м² > 200 м² (1,72 % ≤ 5 %)"_s));

    clickButton(window, "report");
    const BuildingDescription expected{u"Цех № 2"_s,
                                       {{u"Склад ЛВЖ"_s, 150, RoomCategory::A, false},
                                        {u"Насосная"_s, 400, RoomCategory::B, false},
                                        {u"Прочие помещения"_s, 31450, RoomCategory::D, false}}};
    EXPECT_EQ(glav.state().out, buildingSection(expected, commaLocale()));
    EXPECT_EQ(shownReportDocument(glav), reportDocument(glav.state().out));
    window->close();
    flushDeletes();
}

// A bad row is named, and the category of the rooms before the change is not left standing.
TEST(BuildingWindow, NamesTheBadRowAndShowsNothingStale)
{
    Building window(commaLocale());
    for (const Row& row : publishedRooms)
        addRoom(window, row);
    clickButton(&window, "calculate");
    ASSERT_FALSE(verdict(window).isEmpty());
    child<QTableWidget>(&window, u"rooms"_s)->item(1, 1)->setText(u"0,0"_s);
    EXPECT_EQ(verdict(window), QString()) << "a changed area clears the category";
    DialogRecorder dialogs;
    clickButton(&window, "calculate");
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].text,
              u"Строка 2: площадь помещения «Насосная» должна быть положительным числом, м²."_s);
    EXPECT_EQ(verdict(window), QString());
}

struct Import {
    const char* name;
    QString file;
    QByteArray bytes;
    QString categoryAnswer; // empty: no category question expected
    Row expected;
};

// Rooms from a calculation file (category А from its pressure, otherwise the user's pick) and from
// a fire-load file (В1 to В4 from the file, Г or Д the user's pick); the area is always asked.
TEST(BuildingWindow, TakesRoomsFromCalculationAndFireLoadFiles)
{
    QTemporaryDir folder;
    const QByteArray above = writeCalculationFile(CalculationState{.EP = 99.875}, commaLocale());
    const QByteArray below = writeCalculationFile(CalculationState{.EP = 2.5}, commaLocale());
    FireLoadRoom store{u"Склад тары"_s,
                       {{u"Стеллаж"_s, 10, 10, std::nullopt, false, {{u"Картон"_s, 100, 40, {}}}}}};
    FireLoadRoom office = store;
    office.name = u"Лаборатория"_s;
    office.sites[0].materials[0].mass = 0.1;
    const Import imports[] = {
        {"CategoryA", u"Окрасочная.pzr"_s, above, {}, {u"Окрасочная"_s, u"36,5"_s, u"А"_s}},
        {"NotA", u"Насосная.pzr"_s, below, u"В1"_s, {u"Насосная"_s, u"36,5"_s, u"В1"_s}},
        {"FireLoad", u"склад.pzv"_s, writeFireLoadFile(store), {}, {u"Склад тары"_s, u"36,5"_s, u"В3"_s}},
        {"GorD", u"lab.pzv"_s, writeFireLoadFile(office), u"Д"_s, {u"Лаборатория"_s, u"36,5"_s, u"Д"_s}},
    };
    for (const Import& import : imports) {
        SCOPED_TRACE(import.name);
        Building window(commaLocale());
        const QString path = folder.filePath(import.file);
        writeFileBytes(path, import.bytes);
        DialogRecorder dialogs;
        dialogs.answerFileDialog = [&](QFileDialog&) { return path; };
        QStringList questions;
        dialogs.answerOtherDialog = [&](QDialog& dialog) {
            auto* input = qobject_cast<QInputDialog*>(&dialog);
            questions << dialog.objectName();
            input->setTextValue(dialog.objectName() == u"areaQuestion"_s ? u"36,5"_s : import.categoryAnswer);
            return int(QDialog::Accepted);
        };
        clickButton(&window, "importRoom");
        EXPECT_EQ(questions.size(), import.categoryAnswer.isEmpty() ? 1 : 2)
            << "the category asked only when needed";
        auto* rooms = child<QTableWidget>(&window, u"rooms"_s);
        ASSERT_EQ(rooms->rowCount(), 1);
        EXPECT_EQ(rooms->item(0, 0)->text(), import.expected.name);
        EXPECT_EQ(rooms->item(0, 1)->text(), u"36,5"_s);
        EXPECT_EQ(qobject_cast<QComboBox*>(rooms->cellWidget(0, 2))->currentText(), import.expected.category);
    }
}

// The building file round trip through the window, and a damaged file that changes nothing.
TEST(BuildingWindow, SavesAndOpensTheBuildingWhole)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"цех.pzb"_s);
    QString shown;
    {
        Building window(commaLocale());
        child<QLineEdit>(&window, u"buildingName"_s)->setText(u"Цех № 2"_s);
        for (const Row& row : publishedRooms)
            addRoom(window, row);
        child<QTableWidget>(&window, u"rooms"_s)->item(1, 3)->setCheckState(Qt::Checked);
        DialogRecorder dialogs;
        dialogs.answerFileDialog = [&](QFileDialog&) { return path; };
        clickButton(&window, "saveBuilding");
        EXPECT_TRUE(dialogs.seen.size() == 1 && dialogs.seen[0].text.isEmpty()) << "only the file dialog";
        clickButton(&window, "calculate");
        shown = verdict(window);
    }

    Glav glav(commaLocale()); // as `overpressure цех.pzb` opens it
    glav.openBuildingFile(path);
    auto* opened = qobject_cast<Building*>(topLevel(u"Building"_s));
    ASSERT_NE(opened, nullptr);
    Building& window = *opened;
    EXPECT_EQ(textOf(&window, "buildingName"), u"Цех № 2"_s);
    EXPECT_EQ(child<QTableWidget>(&window, u"rooms"_s)->rowCount(), 3);
    clickButton(&window, "calculate");
    EXPECT_EQ(verdict(window), shown);

    writeFileBytes(path, fileBytes(path).replace("\"Б\"", "\"B\""));
    DialogRecorder dialogs;
    EXPECT_FALSE(window.openBuilding(path));
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_TRUE(dialogs.seen[0].text.startsWith(u"Не удалось открыть файл «"_s))
        << dialogs.seen[0].text.toStdString();
    EXPECT_EQ(child<QTableWidget>(&window, u"rooms"_s)->rowCount(), 3);
    EXPECT_EQ(verdict(window), shown);
    window.close();
    flushDeletes();
}

} // namespace
