#include "fire_load_section.h"

#include "numbers.h"

namespace {

const QString sectionTitle = QStringLiteral(
    "<h3>2 Определение категории помещения по пожарной нагрузке (СП 12.13130.2009, прил. Б)</h3>");
const QString squareMetres = QStringLiteral("м<sup>2</sup>");

class SiteWriter {
  public:
    SiteWriter(const QLocale& locale) : locale_(locale) {}

    QString number(double value) const { return formatNumber(value, locale_); }

    QString site(int index, const FireLoadSite& site, const FireLoadSiteResult& result) const
    {
        QString out = QStringLiteral("<p><h4>2.") % QString::number(index) % QStringLiteral(" Участок \"")
                      % site.name % QStringLiteral("\"</h4>");
        out += materials(site);
        out += heat(site, result);
        out += density(site, result);
        out += byDensity(result);
        if (result.byDensity == FireCategory::V4)
            out += placement(site, result);
        if (result.heightLimit)
            out += height(site, result);
        out += QStringLiteral("<p>Категория участка: ") % fireCategoryText(result.category) % u'.';
        return out;
    }

  private:
    QString materials(const FireLoadSite& site) const
    {
        QString out = QStringLiteral("<p>Пожарная нагрузка участка:");
        for (const FireLoadMaterial& m : site.materials) {
            out += QStringLiteral("<p>") % m.name % QStringLiteral(" - G = ") % number(m.mass)
                   % QStringLiteral("кг, Qн = ") % number(m.heat) % QStringLiteral("МДж/кг");
            if (m.criticalFlux)
                out += QStringLiteral(", qкр = ") % number(*m.criticalFlux) % QStringLiteral("кВт/")
                       % squareMetres;
            out += u';';
        }
        return out;
    }

    QString heat(const FireLoadSite& site, const FireLoadSiteResult& result) const
    {
        QStringList terms;
        for (const FireLoadMaterial& m : site.materials)
            terms << number(m.mass) % QStringLiteral(" * ") % number(m.heat);
        return QStringLiteral("<p><center>Q = &Sigma; G<sub>i</sub> * Qн<sub>i</sub>, МДж</center>")
               % QStringLiteral("<p>Q = ") % terms.join(QStringLiteral(" + ")) % QStringLiteral(" = ")
               % number(result.heat) % QStringLiteral("МДж");
    }

    QString density(const FireLoadSite& site, const FireLoadSiteResult& result) const
    {
        return QStringLiteral("<p><center>g = Q / S, МДж/") % squareMetres % QStringLiteral("</center>")
               % QStringLiteral("<p>где S - площадь размещения пожарной нагрузки, но не менее 10 ")
               % squareMetres % QStringLiteral(": площадь участка ") % number(site.placementArea)
               % squareMetres % QStringLiteral(", S = ") % number(result.area) % squareMetres % u';'
               % QStringLiteral("<p>g = ") % number(result.heat) % QStringLiteral(" / ") % number(result.area)
               % QStringLiteral(" = ") % number(result.density) % QStringLiteral("МДж/") % squareMetres;
    }

    QString byDensity(const FireLoadSiteResult& result) const
    {
        QString range;
        switch (result.byDensity) {
        case FireCategory::GorD:
            return QStringLiteral("<p>По табл. Б.1: g меньше 1 МДж/") % squareMetres
                   % QStringLiteral(" - пожарной нагрузки категории В на участке нет.");
        case FireCategory::V4:
            range = QStringLiteral("от 1 до 180");
            break;
        case FireCategory::V3:
            range = QStringLiteral("более 180, но не более 1400");
            break;
        case FireCategory::V2:
            range = QStringLiteral("более 1400, но не более 2200");
            break;
        case FireCategory::V1:
            range = QStringLiteral("более 2200");
            break;
        }
        return QStringLiteral("<p>По табл. Б.1: g ") % range % QStringLiteral(" МДж/") % squareMetres
               % QStringLiteral(" - категория ") % fireCategoryText(result.byDensity) % u'.';
    }

    QString placement(const FireLoadSite& site, const FireLoadSiteResult& result) const
    {
        QString out = QStringLiteral("<p>Способ размещения (Б.2): lпр по табл. Б.3 и Б.2 для qкр ")
                      % (result.criticalFlux ? QStringLiteral("= ") % number(*result.criticalFlux)
                                                   % QStringLiteral("кВт/") % squareMetres
                                             : QStringLiteral("неизвестной"))
                      % QStringLiteral(" равно ") % number(result.tableDistance) % QStringLiteral("м");
        if (site.height < 11)
            out += QStringLiteral("; при H = ") % number(site.height) % QStringLiteral("м меньше 11 м lпр = ")
                   % number(result.tableDistance) % QStringLiteral(" + (11 - ") % number(site.height)
                   % QStringLiteral(")");
        if (site.liquid)
            out += QStringLiteral("; для ЛВЖ и ГЖ не менее ")
                   % (site.height >= 11 ? QStringLiteral("15 м") : QStringLiteral("26 - H"));
        out += QStringLiteral("; lпр = ") % number(result.limitDistance) % QStringLiteral("м.");
        out += QStringLiteral("<p>Площадь участка ") % number(site.placementArea) % squareMetres
               % (site.placementArea > 10 ? QStringLiteral(" больше 10 ") : QStringLiteral(" не более 10 "))
               % squareMetres % u';';
        out +=
            site.distanceToNearest
                ? QStringLiteral(" расстояние до соседнего участка ") % number(*site.distanceToNearest)
                      % (*site.distanceToNearest > result.limitDistance ? QStringLiteral("м больше lпр.")
                                                                        : QStringLiteral("м не больше lпр."))
                : QStringLiteral(" других участков в помещении нет.");
        out += result.placementFails ? QStringLiteral("<p>Условия размещения для категории В4 не выполнены - "
                                                      "участок рассматривается как В3.")
                                     : QStringLiteral("<p>Условия размещения для категории В4 выполнены.");
        return out;
    }

    QString height(const FireLoadSite& site, const FireLoadSiteResult& result) const
    {
        const bool raised = result.rule == FireRule::Height;
        return QStringLiteral("<p>Проверка по высоте (Б.2): 0,64 * gт * H<sup>2</sup> = 0,64 * ")
               % number(*result.heightDensity) % QStringLiteral(" * ") % number(site.height)
               % QStringLiteral("<sup>2</sup> = ") % number(*result.heightLimit) % QStringLiteral("МДж; Q = ")
               % number(result.heat) % QStringLiteral("МДж")
               % (raised ? QStringLiteral(" не меньше этой величины - категория повышается до ")
                               % fireCategoryText(result.category) % u'.'
                         : QStringLiteral(" меньше этой величины - категория не повышается."));
    }

    QLocale locale_;
};

} // namespace

QString fireLoadSection(const FireLoadRoom& room, const FireLoadAssessment& assessment, const QLocale& locale)
{
    const SiteWriter writer(locale);
    QString out = sectionTitle;
    out += QStringLiteral("<p>Помещение \"") % room.name % QStringLiteral("\", участков пожарной нагрузки: ")
           % QString::number(room.sites.size()) % u'.';
    for (std::size_t i = 0; i < room.sites.size(); ++i)
        out += writer.site(int(i + 1), room.sites[i], assessment.sites.at(i));
    if (assessment.category == FireCategory::GorD)
        out += QStringLiteral("<p><h4>Удельная пожарная нагрузка на всех участках меньше 1 МДж/")
               % squareMetres % QStringLiteral(": помещение \"") % room.name
               % QStringLiteral("\" не относится к категориям В1-В4; его категория Г или Д определяется по "
                                "технологическому процессу.</h4>");
    else
        out += QStringLiteral("<p><h4>Помещение \"") % room.name % QStringLiteral("\" относится к категории ")
               % fireCategoryText(assessment.category) % QStringLiteral(" (по наиболее опасному участку \"")
               % room.sites.at(assessment.decidingSite).name % QStringLiteral("\").</h4>");
    return out;
}
