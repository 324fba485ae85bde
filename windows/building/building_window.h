#pragma once

#include "building_category.h"

#include <QLocale>
#include <QWidget>

#include <optional>
#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// The building's category from its rooms: the user lists the rooms (name, area, category,
// automatic fire suppression), typed or taken from calculation and fire-load files, and reads the
// category with every rule that was tried. A window of its own beside the main window; it keeps
// the building in a building file (*.pzb) and hands its report to whoever listens to reportReady.
class Building : public QWidget {
    Q_OBJECT

  public:
    explicit Building(const QLocale& locale = QLocale());

    // Replaces the rooms with those of the building file at `path`; on a bad file tells the user
    // and changes nothing. Returns whether the file was opened.
    bool openBuilding(const QString& path);

  signals:
    // The report on the building's category, HTML on one line.
    void reportReady(const QString& html);

  private slots:
    void addRoom_Click();
    void removeRoom_Click();
    void importRoom_Click();
    void calculate_Click();
    void report_Click();
    void openBuilding_Click();
    void saveBuilding_Click();
    void clearVerdict();

  private:
    void buildControls();
    void addRow(const BuildingRoom& room);
    std::vector<BuildingRoom> roomsFromTable() const;
    BuildingDescription description() const;
    std::optional<BuildingRoom> roomFromCalculation(const QString& path);
    std::optional<BuildingRoom> roomFromFireLoad(const QString& path);
    void tell(const QString& text);

    QLocale locale_;

    QLineEdit* buildingName = nullptr;
    QTableWidget* rooms = nullptr;
    QPushButton* addRoom = nullptr;
    QPushButton* removeRoom = nullptr;
    QPushButton* importRoom = nullptr;
    QPushButton* calculate = nullptr;
    QPushButton* report = nullptr;
    QPushButton* openButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPlainTextEdit* category = nullptr;
};
