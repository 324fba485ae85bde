#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// The category of a building (or of one fire compartment) by explosion and fire hazard, found from
// the categories and floor areas of all its rooms and from which rooms are protected by automatic
// fire suppression. The rules are tried from the most hazardous category down; the first that
// applies decides.

enum class RoomCategory { A, B, V1, V2, V3, V4, G, D };
enum class BuildingCategory { A, B, V, G, D };

inline constexpr std::array<RoomCategory, 8> allRoomCategories{
    RoomCategory::A,  RoomCategory::B,  RoomCategory::V1, RoomCategory::V2,
    RoomCategory::V3, RoomCategory::V4, RoomCategory::G,  RoomCategory::D};

// "А", "Б", "В1" … "Д": the Cyrillic letters the code of practice uses.
QString roomCategoryText(RoomCategory category);
std::optional<RoomCategory> roomCategoryFromText(const QString& text);
QString buildingCategoryText(BuildingCategory category);

// The clause of section 6 of SP 12.13130.2009 that puts a building into `category` ("6.4"), and the
// one that exempts it ("6.5"; none for Д).
QString assigningClauseText(BuildingCategory category);
QString exemptingClauseText(BuildingCategory category);

struct BuildingRoom {
    QString name;
    double area = 0; // floor area, m2, positive
    RoomCategory category = RoomCategory::D;
    bool suppression = false; // protected by an automatic fire suppression installation
};

struct BuildingDescription {
    QString name;
    std::vector<BuildingRoom> rooms;
};

// One rule for categories А, Б, В or Г: whether the rooms it counts exceed their share of the
// building (or, for А and Б, 200 m2), and whether the exemption for suppressed rooms lifts it.
struct CategoryRule {
    BuildingCategory category = BuildingCategory::A;
    double sum = 0;            // the area of the rooms the rule counts, m2
    double share = 0;          // that area in per cent of the area of all rooms
    double shareLimit = 5;     // per cent
    bool hasAreaLimit = true;  // А and Б: also more than 200 m2 of such rooms
    bool shareExceeds = false; // more than shareLimit per cent of all rooms
    bool areaExceeds = false;  // more than 200 m2, for А and Б only
    bool exceeds() const { return shareExceeds || areaExceeds; }
    // The exemption: at most 25 % of all rooms, at most exemptionAreaLimit, every room it names
    // suppressed.
    double exemptionAreaLimit = 0; // m2
    bool withinExemptionShare = false;
    bool withinExemptionArea = false;
    bool allSuppressed = false;
    bool exempt() const { return exceeds() && withinExemptionShare && withinExemptionArea && allSuppressed; }
    QStringList unsuppressed; // the rooms the exemption names that have no suppression
    bool applies() const { return exceeds() && !exempt(); }
};

struct BuildingAssessment {
    BuildingCategory category = BuildingCategory::D;
    double totalArea = 0;                   // m2
    std::array<double, 8> areaByCategory{}; // in the order of allRoomCategories
    std::array<int, 8> roomsByCategory{};
    // The rules tried, in order, the deciding one last (all four when the building is Д).
    std::vector<CategoryRule> rules;
};

inline constexpr double categoryShareLimit = 5;       // per cent
inline constexpr double categoryShareLimitOnlyV = 10; // per cent, for В without А and Б rooms
inline constexpr double categoryAreaLimit = 200;      // m2, for А and Б
inline constexpr double exemptionShareLimit = 25;     // per cent
inline constexpr double exemptionAreaLimitAB = 1000;  // m2
inline constexpr double exemptionAreaLimitV = 3500;   // m2
inline constexpr double exemptionAreaLimitG = 5000;   // m2

// Throws UserError for a building without rooms, a room whose area is not a positive number, or a
// total that overflows.
BuildingAssessment assessBuilding(const std::vector<BuildingRoom>& rooms);

// The verdict first, then one line per rule tried with its sums and percentages:
// «Б: S_А + S_Б = 550 м² > 200 м² (1,72 % ≤ 5 %)».
QStringList assessmentLines(const BuildingAssessment& assessment, const QLocale& locale);

// The texts of one row of the rooms table.
struct RoomRowTexts {
    QString name;
    QString area;
    QString category;
    bool suppression = false;
};

// Throws UserError naming the first bad row (counted from 1): an empty name, an area that is not a
// positive number, an unknown category.
std::vector<BuildingRoom> parseRoomRows(const std::vector<RoomRowTexts>& rows, const QLocale& locale);
