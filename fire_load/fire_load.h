#pragma once

#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

// Categories В1–В4 of a room by its fire load. The room's fire load lies on one or more sites
// (участки): each site's heat Q = Σ G·Qн is spread over its placement area, at least 10 m², to give
// the specific fire load g; g picks the category, which the site's placement (В4) and the height of
// the ceiling above the load (В3, В2) can raise. The room takes the highest category of its sites.

// One combustible material on a site.
struct FireLoadMaterial {
    QString name;
    double mass = 0; // G, kg
    double heat = 0; // Qн, lower heat of combustion, MJ/kg
    // qкр, critical heat flux that ignites it, kW/m²; unknown for many materials.
    std::optional<double> criticalFlux;
};

struct FireLoadSite {
    QString name;
    double placementArea = 0; // the floor area the load takes, m²
    double height = 0;        // H, from the surface of the load to the lower chord of the roof, m
    std::optional<double> distanceToNearest; // to the nearest other site, m; none when it is alone
    bool liquid = false;                     // a spill of flammable or combustible liquid
    std::vector<FireLoadMaterial> materials;
};

struct FireLoadRoom {
    QString name;
    std::vector<FireLoadSite> sites;
};

// Highest hazard first; GorD is a room with no fire load of category В (g below 1 MJ/m²).
enum class FireCategory { V1, V2, V3, V4, GorD };

// "В1", "В2", "В3", "В4", "Г или Д".
QString fireCategoryText(FireCategory category);

// What decided a site's category.
enum class FireRule {
    Density,   // g alone
    Placement, // g up to 180, but the site is larger than 10 m² or too close to another: В3
    Height,    // Q at or above 0,64·gт·H²: one category up
};

struct FireLoadSiteResult {
    double heat = 0;                    // Q, MJ
    double area = 0;                    // S, m² (the placement area, at least 10)
    double density = 0;                 // g = Q / S, MJ/m²
    std::optional<double> criticalFlux; // the smallest qкр of the site's materials
    double tableDistance = 0;           // lпр of the table for that qкр, m
    double limitDistance = 0;           // lпр with the height and liquid rules, m
    FireCategory byDensity = FireCategory::GorD;
    bool placementFails = false; // g gave В4 but the site is too large or too close
    // gт and 0,64·gт·H² for a site checked as В3 or В2, otherwise none.
    std::optional<double> heightDensity;
    std::optional<double> heightLimit;
    FireCategory category = FireCategory::GorD;
    FireRule rule = FireRule::Density;
};

struct FireLoadAssessment {
    FireCategory category = FireCategory::GorD;
    std::vector<FireLoadSiteResult> sites; // in the order of the room's sites
    std::size_t decidingSite = 0;          // the first site of the room's category
};

// Throws UserError naming the site and the field of the first bad value: no site, a site without
// materials, an empty name, a negative or zero area or height, a negative mass, heat or distance.
void checkFireLoadRoom(const FireLoadRoom& room);

// Checks the room, then assesses every site. Throws UserError on bad input or a result that is not
// finite.
FireLoadAssessment assessFireLoad(const FireLoadRoom& room);

// lпр of the table for the smallest qкр of a site, m: 12 m when qкр is unknown or below 5 kW/m²;
// between two columns the lower flux's column, whose distance is the larger.
double tableLimitDistance(std::optional<double> criticalFlux);

// The deciding rule in words, numbers in `locale`: «В3: g = 1340 МДж/м² на участке "Архив";
// 0,64·1400·H² = 32256 МДж > Q».
QString decidingRuleText(const FireLoadRoom& room, const FireLoadAssessment& assessment,
                         const QLocale& locale);

// The fields of a room as typed: each number is read in `locale`; a bad one throws UserError that
// names the site (or material) and the field. An empty distance means no other site.
struct FireLoadMaterialTexts {
    QString name, mass, heat, criticalFlux;
};
struct FireLoadSiteTexts {
    QString name, placementArea, height, distanceToNearest;
    bool liquid = false;
    std::vector<FireLoadMaterialTexts> materials;
};
FireLoadRoom fireLoadRoomFromTexts(const QString& roomName, const std::vector<FireLoadSiteTexts>& sites,
                                   const QLocale& locale);
