#include "building_section.h"

#include "numbers.h"

#include <cmath>

namespace {

// The report document is written in Windows-1251: every character beyond ASCII and the Russian
// alphabet (², ≤, —, a name's Latin accents) goes as a character reference, so that it survives.
QString html(const QString& text)
{
    const QString escaped = text.toHtmlEscaped();
    QString out;
    for (const QChar c : escaped) {
        const bool russian = (c.unicode() >= 0x0410 && c.unicode() <= 0x044F) || c == u'Ё' || c == u'ё';
        if (c.unicode() < 0x80 || russian)
            out += c;
        else
            out += QStringLiteral("&#%1;").arg(c.unicode());
    }
    return out;
}

QString cell(const QString& text)
{
    return QStringLiteral("<td>") % html(text) % QStringLiteral("</td>");
}

QString roomsTable(const BuildingDescription& building, const QLocale& locale)
{
    QString out =
        QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr><th>&#8470;</th>"
                       "<th>Помещение</th><th>Площадь, м<sup>2</sup></th><th>Категория</th>"
                       "<th>Автоматическое пожаротушение</th></tr>");
    int number = 0;
    for (const BuildingRoom& room : building.rooms)
        out += QStringLiteral("<tr>") % cell(QString::number(++number)) % cell(room.name)
               % cell(formatNumber(room.area, locale)) % cell(roomCategoryText(room.category))
               % cell(room.suppression ? QStringLiteral("есть") : QStringLiteral("нет"))
               % QStringLiteral("</tr>");
    return out + QStringLiteral("</table>");
}

QString totalsTable(const BuildingAssessment& assessment, const QLocale& locale)
{
    QString out = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr><th>Категория "
                                 "помещений</th><th>Число помещений</th><th>Площадь, м<sup>2</sup></th>"
                                 "<th>Доля площади всех помещений, %</th></tr>");
    for (std::size_t i = 0; i < allRoomCategories.size(); ++i) {
        if (assessment.roomsByCategory[i] == 0)
            continue;
        const double share = assessment.areaByCategory[i] * 100 / assessment.totalArea;
        out += QStringLiteral("<tr>") % cell(roomCategoryText(allRoomCategories[i]))
               % cell(QString::number(assessment.roomsByCategory[i]))
               % cell(formatNumber(assessment.areaByCategory[i], locale))
               % cell(formatNumber(std::round(share * 100) / 100, locale)) % QStringLiteral("</tr>");
    }
    int rooms = 0;
    for (int count : assessment.roomsByCategory)
        rooms += count;
    return out % QStringLiteral("<tr>") % cell(QStringLiteral("Всего")) % cell(QString::number(rooms))
           % cell(formatNumber(assessment.totalArea, locale)) % QStringLiteral("<td>100</td></tr></table>");
}

} // namespace

QString buildingSection(const BuildingDescription& building, const QLocale& locale)
{
    const BuildingAssessment assessment = assessBuilding(building.rooms);
    const QStringList lines = assessmentLines(assessment, locale);
    QString out = QStringLiteral("<h3>Определение категории здания (СП 12.13130.2009, раздел 6)</h3>");
    if (!building.name.trimmed().isEmpty())
        out += QStringLiteral("<p>Здание (пожарный отсек): ") % html(building.name.trimmed());
    out += QStringLiteral("<p><h4>Помещения</h4>") % roomsTable(building, locale);
    out += QStringLiteral("<p><h4>Площади помещений по категориям</h4>") % totalsTable(assessment, locale);
    out += QStringLiteral("<p><h4>Проверка по пп. 6.2&#8211;6.10</h4>");
    for (qsizetype i = 1; i < lines.size(); ++i)
        out += QStringLiteral("<p>") % html(lines[i]);
    out += QStringLiteral("<p><h4>") % html(lines.first()) % QStringLiteral("</h4>");
    return out;
}
