#include "building_window.h"

#include "building_file.h"
#include "building_section.h"
#include "calculation_file.h"
#include "fire_load_file.h"
#include "form_layout.h"
#include "modal.h"
#include "numbers.h"
#include "room_import.h"
#include "room_questions.h"
#include "whole_file.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

enum Column { NameColumn, AreaColumn, CategoryColumn, SuppressionColumn };

const QString caption = QStringLiteral("Категория здания");

} // namespace

Building::Building(const QLocale& locale) : locale_(locale)
{
    setObjectName(QStringLiteral("Building"));
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    resize(760, 560);
}

void Building::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* nameRow = new QHBoxLayout;
    buildingName = new QLineEdit(this);
    nameControl(buildingName, QStringLiteral("buildingName"), QStringLiteral("Здание (пожарный отсек)"));
    nameRow->addWidget(new QLabel(QStringLiteral("Здание (пожарный отсек):"), this));
    nameRow->addWidget(buildingName);
    layout->addLayout(nameRow);

    rooms = new QTableWidget(0, 4, this);
    nameControl(rooms, QStringLiteral("rooms"), QStringLiteral("Помещения"));
    rooms->setHorizontalHeaderLabels({QStringLiteral("Помещение"), QStringLiteral("Площадь, м²"),
                                      QStringLiteral("Категория"),
                                      QStringLiteral("Автоматическое пожаротушение")});
    rooms->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    rooms->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    rooms->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(rooms, 3);

    auto* buttons = new QHBoxLayout;
    const auto button = [this, buttons](QPushButton*& member, const char* name, const QString& text) {
        member = new QPushButton(text, this);
        nameControl(member, QLatin1String(name));
        buttons->addWidget(member);
    };
    button(addRoom, "addRoom", QStringLiteral("Добавить"));
    button(removeRoom, "removeRoom", QStringLiteral("Удалить"));
    button(importRoom, "importRoom", QStringLiteral("Добавить из файла…"));
    button(openButton, "openBuilding", QStringLiteral("Открыть…"));
    button(saveButton, "saveBuilding", QStringLiteral("Сохранить…"));
    buttons->addStretch();
    button(calculate, "calculate", QStringLiteral("Расчет"));
    button(report, "report", QStringLiteral("В отчет"));
    layout->addLayout(buttons);

    category = new QPlainTextEdit(this);
    nameControl(category, QStringLiteral("category"), QStringLiteral("Категория здания"));
    category->setReadOnly(true);
    layout->addWidget(category, 2);

    connect(addRoom, &QPushButton::clicked, this, &Building::addRoom_Click);
    connect(removeRoom, &QPushButton::clicked, this, &Building::removeRoom_Click);
    connect(importRoom, &QPushButton::clicked, this, &Building::importRoom_Click);
    connect(calculate, &QPushButton::clicked, this, &Building::calculate_Click);
    connect(report, &QPushButton::clicked, this, &Building::report_Click);
    connect(openButton, &QPushButton::clicked, this, &Building::openBuilding_Click);
    connect(saveButton, &QPushButton::clicked, this, &Building::saveBuilding_Click);
    connect(rooms, &QTableWidget::itemChanged, this, &Building::clearVerdict);
}

// Any change of the rooms makes the category shown an answer to another building.
void Building::clearVerdict()
{
    category->clear();
}

void Building::addRow(const BuildingRoom& room)
{
    const int row = rooms->rowCount();
    rooms->insertRow(row);
    rooms->setItem(row, NameColumn, new QTableWidgetItem(room.name));
    rooms->setItem(row, AreaColumn,
                   new QTableWidgetItem(room.area > 0 ? formatNumber(room.area, locale_) : QString()));
    auto* choice = new QComboBox(rooms);
    for (RoomCategory c : allRoomCategories)
        choice->addItem(roomCategoryText(c));
    choice->setCurrentText(roomCategoryText(room.category));
    connect(choice, &QComboBox::currentIndexChanged, this, &Building::clearVerdict);
    rooms->setCellWidget(row, CategoryColumn, choice);
    auto* suppression = new QTableWidgetItem;
    suppression->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    suppression->setCheckState(room.suppression ? Qt::Checked : Qt::Unchecked);
    rooms->setItem(row, SuppressionColumn, suppression);
    clearVerdict();
}

std::vector<BuildingRoom> Building::roomsFromTable() const
{
    std::vector<RoomRowTexts> rows;
    for (int row = 0; row < rooms->rowCount(); ++row) {
        const auto text = [this, row](int column) {
            return rooms->item(row, column) ? rooms->item(row, column)->text() : QString();
        };
        const auto* choice = qobject_cast<QComboBox*>(rooms->cellWidget(row, CategoryColumn));
        const QTableWidgetItem* suppression = rooms->item(row, SuppressionColumn);
        rows.push_back({text(NameColumn), text(AreaColumn), choice ? choice->currentText() : QString(),
                        suppression && suppression->checkState() == Qt::Checked});
    }
    return parseRoomRows(rows, locale_);
}

BuildingDescription Building::description() const
{
    return {buildingName->text().trimmed(), roomsFromTable()};
}

void Building::tell(const QString& text)
{
    showCritical(this, caption, text);
}

void Building::addRoom_Click()
{
    addRow({QString(), 0, RoomCategory::D, false});
    rooms->setCurrentCell(rooms->rowCount() - 1, NameColumn);
    rooms->editItem(rooms->item(rooms->rowCount() - 1, NameColumn));
}

void Building::removeRoom_Click()
{
    if (rooms->currentRow() < 0)
        return;
    rooms->removeRow(rooms->currentRow());
    clearVerdict();
}

void Building::calculate_Click()
{
    clearVerdict();
    try {
        category->setPlainText(assessmentLines(assessBuilding(roomsFromTable()), locale_).join(u'\n'));
    } catch (const UserError& error) {
        tell(error.message());
    }
}

void Building::report_Click()
{
    calculate_Click();
    if (category->toPlainText().isEmpty())
        return;
    try {
        emit reportReady(buildingSection(description(), locale_));
    } catch (const UserError& error) {
        tell(error.message());
    }
}

void Building::importRoom_Click()
{
    const QString path = chooseRoomFile(this);
    if (path.isEmpty())
        return;
    try {
        const std::optional<BuildingRoom> room =
            roomFileKind(path) == RoomFileKind::FireLoad ? roomFromFireLoad(path) : roomFromCalculation(path);
        if (room)
            addRow(*room);
    } catch (const UserError& error) {
        tell(QStringLiteral("Не удалось добавить помещение из файла ") + fileNameShown(path)
             + QStringLiteral(": ") + error.message());
    }
}

namespace {

// The area the user gives for a room taken from a file, which holds none.
std::optional<double> askArea(QWidget* parent, const QString& roomName, const QLocale& locale)
{
    const std::optional<QString> text = askRoomArea(parent, roomName);
    if (!text)
        return std::nullopt;
    double area = 0;
    try {
        area = parseNumber(*text, locale);
    } catch (const UserError&) {
    }
    if (!(area > 0) || !std::isfinite(area))
        throw UserError(QStringLiteral("площадь помещения должна быть положительным числом, м²"));
    return area;
}

} // namespace

// The room a calculation was made for is category А when its excess pressure says so; otherwise
// the calculation only says "not А", and the user names the category.
std::optional<BuildingRoom> Building::roomFromCalculation(const QString& path)
{
    const CalculationVerdict verdict = calculationVerdict(readRegularFile(path, calculationFileMaxSize));
    BuildingRoom room{QFileInfo(path).completeBaseName(), 0, RoomCategory::A, false};
    if (!verdict.categoryA) {
        const QString note = QStringLiteral("По расчету в файле ") + fileNameShown(path)
                             + QStringLiteral(" ΔP = ") + formatNumber(verdict.pressure, locale_)
                             + QStringLiteral(" кПа меньше 5 кПа: помещение не относится к категории А.\n"
                                              "Выберите категорию помещения:");
        const std::optional<RoomCategory> chosen =
            askRoomCategory(this, note,
                            {RoomCategory::B, RoomCategory::V1, RoomCategory::V2, RoomCategory::V3,
                             RoomCategory::V4, RoomCategory::G, RoomCategory::D});
        if (!chosen)
            return std::nullopt;
        room.category = *chosen;
    }
    const std::optional<double> area = askArea(this, room.name, locale_);
    if (!area)
        return std::nullopt;
    room.area = *area;
    return room;
}

// A fire load gives В1 to В4; below В4 it cannot tell Г from Д, and the user does.
std::optional<BuildingRoom> Building::roomFromFireLoad(const QString& path)
{
    const FireLoadVerdict verdict = fireLoadVerdict(readRegularFile(path, fireLoadFileMaxSize));
    BuildingRoom room{verdict.name.trimmed(), 0, RoomCategory::D, false};
    if (room.name.isEmpty())
        room.name = QFileInfo(path).completeBaseName();
    if (verdict.category) {
        room.category = *verdict.category;
    } else {
        const std::optional<RoomCategory> chosen = askRoomCategory(
            this,
            QStringLiteral("По пожарной нагрузке помещение «") + room.name
                + QStringLiteral(
                    "» не относится к категориям В1–В4 («Г или Д»).\nВыберите категорию помещения:"),
            {RoomCategory::G, RoomCategory::D});
        if (!chosen)
            return std::nullopt;
        room.category = *chosen;
    }
    const std::optional<double> area = askArea(this, room.name, locale_);
    if (!area)
        return std::nullopt;
    room.area = *area;
    return room;
}

void Building::openBuilding_Click()
{
    const QString path = chooseBuildingFile(this, false);
    if (!path.isEmpty())
        openBuilding(path);
}

bool Building::openBuilding(const QString& path)
{
    try {
        const BuildingDescription building = readBuildingFile(readRegularFile(path, buildingFileMaxSize));
        buildingName->setText(building.name);
        rooms->setRowCount(0);
        for (const BuildingRoom& room : building.rooms)
            addRow(room);
        clearVerdict();
        setWindowTitle(caption + QStringLiteral(" — ") + QFileInfo(path).fileName());
        return true;
    } catch (const UserError& error) {
        tell(QStringLiteral("Не удалось открыть файл ") + fileNameShown(path) + QStringLiteral(": ")
             + error.message());
        return false;
    }
}

// Only a building whose every row is sound is saved, so that the file opens again.
void Building::saveBuilding_Click()
{
    BuildingDescription building;
    try {
        building = description();
    } catch (const UserError& error) {
        tell(error.message());
        return;
    }
    const QString path = chooseBuildingFile(this, true);
    if (path.isEmpty())
        return;
    try {
        writeFileWhole(path, writeBuildingFile(building));
        setWindowTitle(caption + QStringLiteral(" — ") + QFileInfo(path).fileName());
    } catch (const UserError& error) {
        tell(QStringLiteral("Не удалось сохранить файл ") + fileNameShown(path) + QStringLiteral(": ")
             + error.message());
    }
}
