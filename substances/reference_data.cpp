#include "reference_data.h"

#include "user_error.h"

#include <QDir>
#include <QFile>

#include <cmath>

namespace {

// A comma-separated table with a header line, numbers with a decimal point.
struct Table {
    QStringList header;
    std::vector<QStringList> rows;

    double number(const QStringList& row, const char* column) const
    {
        const qsizetype index = header.indexOf(QString::fromLatin1(column));
        bool ok = false;
        const double value = index >= 0 && index < row.size() ? row[index].toDouble(&ok) : 0.0;
        return ok ? value : std::nan("");
    }
};

Table tableOf(const QString& text, QChar separator = u',')
{
    Table table;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        if (table.header.isEmpty())
            table.header = line.split(separator);
        else
            table.rows.push_back(line.split(separator));
    }
    return table;
}

// Wagner's equation: ln(P/Pc) = (Aτ + Bτ^1,5 + Cτ^e3 + Dτ^e4)/Tr, τ = 1 − Tr; the VDI and Poling
// sets use the exponents 2,5 and 5, McGarry's original form 3 and 6.
std::function<double(double)> wagner(double a, double b, double c, double d, double tc, double pc, double e3,
                                     double e4)
{
    return [=](double t) {
        const double tr = t / tc;
        const double tau = 1.0 - tr;
        return pc
               * std::exp((a * tau + b * std::pow(tau, 1.5) + c * std::pow(tau, e3) + d * std::pow(tau, e4))
                          / tr);
    };
}

void addVapourPressure(ReferenceData& data, const Table& t, const QString& file)
{
    for (const QStringList& r : t.rows) {
        auto n = [&](const char* column) { return t.number(r, column); };
        VapourPressureSet set;
        if (file == u"vp-vdi-ppds.csv")
            set = {QStringLiteral("VDI"), n("Tm"), n("Tc"),
                   wagner(n("A"), n("B"), n("C"), n("D"), n("Tc"), n("Pc"), 2.5, 5)};
        else if (file == u"vp-wagner-mcgarry.csv")
            set = {QStringLiteral("McGarry"), n("Tmin"), n("Tc"),
                   wagner(n("A"), n("B"), n("C"), n("D"), n("Tc"), n("Pc"), 3, 6)};
        else if (file == u"vp-wagner-poling.csv")
            set = {QStringLiteral("Poling"), n("Tmin"), n("Tmax"),
                   wagner(n("A"), n("B"), n("C"), n("D"), n("Tc"), n("Pc"), 2.5, 5)};
        else if (file == u"vp-antoine-poling.csv")
            set = {
                QStringLiteral("Poling"), n("Tmin"), n("Tmax"),
                [a = n("A"), b = n("B"), c = n("C")](double k) { return std::pow(10.0, a - b / (k + c)); }};
        else if (file == u"vp-perry.csv")
            set = {QStringLiteral("Perry"), n("Tmin"), n("Tmax"),
                   [c1 = n("C1"), c2 = n("C2"), c3 = n("C3"), c4 = n("C4"), c5 = n("C5")](double k) {
                       return std::exp(c1 + c2 / k + c3 * std::log(k) + c4 * std::pow(k, c5));
                   }};
        else if (file == u"vp-landolt.csv")
            set = {QStringLiteral("Landolt-Börnstein"), n("Tmin"), n("Tmax"),
                   [a = n("A"), b = n("B"), c = n("C")](double k) { return std::exp(a - b / (k + c)); }};
        else if (file == u"vp-webbook.csv")
            set = {QStringLiteral("NIST"), n("AntoineTmin"), n("AntoineTmax"),
                   [a = n("AntoineA"), b = n("AntoineB"), c = n("AntoineC")](double k) {
                       return std::exp(a - b / (k + c));
                   }};
        if (set.pressure && std::isfinite(set.tMin) && std::isfinite(set.tMax)
            && std::isfinite(set.pressure(set.tMax)))
            data.vapourPressure[r[0]].push_back(std::move(set));
    }
}

// VDI (PPDS): ρ = ρc + Aτ^0,35 + Bτ^(2/3) + Cτ + Dτ^(4/3), τ = 1 − T/Tc, kg/m3, up to Tc.
// Perry (DIPPR 105): ρ = C1 / C2^(1 + (1 − T/C3)^C4), mol/m3 as the tables store it.
void addDensity(ReferenceData& data, const Table& t, const QString& file)
{
    for (const QStringList& r : t.rows) {
        auto n = [&](const char* column) { return t.number(r, column); };
        DensitySet set;
        if (file == u"density-vdi-ppds.csv")
            set = {QStringLiteral("VDI"), 0, n("Tc"),
                   [tc = n("Tc"), rc = n("rhoc"), a = n("A"), b = n("B"), c = n("C"), d = n("D")](double k,
                                                                                                  double) {
                       const double tau = 1.0 - k / tc;
                       return rc + a * std::pow(tau, 0.35) + b * std::pow(tau, 2.0 / 3) + c * tau
                              + d * std::pow(tau, 4.0 / 3);
                   }};
        else if (file == u"density-perry.csv")
            set = {QStringLiteral("Perry"), n("Tmin"), n("Tmax"),
                   [c1 = n("C1"), c2 = n("C2"), c3 = n("C3"), c4 = n("C4")](double k, double molarMass) {
                       return c1 / std::pow(c2, 1.0 + std::pow(1.0 - k / c3, c4)) * molarMass / 1000;
                   }};
        if (set.density && std::isfinite(set.tMin) && std::isfinite(set.tMax))
            data.liquidDensity[r[0]].push_back(std::move(set));
    }
}

void addValues(QHash<QString, std::vector<ReferenceValue>>& into, const Table& t, const char* column,
               const QString& source)
{
    for (const QStringList& r : t.rows)
        if (const double value = t.number(r, column); std::isfinite(value))
            into[r[0]].push_back({source, value});
}

struct SingleValues {
    const char* file;
    const char* column;
    const char* source;
    QHash<QString, std::vector<ReferenceValue>> ReferenceData::*into;
};

const SingleValues singleValues[] = {
    {"boiling-yaws.csv", "Tb", "Yaws", &ReferenceData::boilingPoint},
    {"boiling-crc.csv", "Tb", "CRC", &ReferenceData::boilingPoint},
    {"boiling-webbook.csv", "Tb", "NIST", &ReferenceData::boilingPoint},
    {"flash-limits-iec.csv", "T_flash", "IEC 60079-20-1", &ReferenceData::flashPoint},
    {"flash-limits-nfpa.csv", "T_flash", "NFPA 497", &ReferenceData::flashPoint},
    {"flash-dippr.csv", "T_flash", "DIPPR", &ReferenceData::flashPoint},
    {"flash-limits-iec.csv", "LFL", "IEC 60079-20-1", &ReferenceData::lowerLimit},
    {"flash-limits-nfpa.csv", "LFL", "NFPA 497", &ReferenceData::lowerLimit},
    {"formation-atct.csv", "Hfg", "ATcT", &ReferenceData::formation},
    {"formation-crc.csv", "Hfg", "CRC", &ReferenceData::formation},
    {"formation-yaws.csv", "Hfg", "Yaws", &ReferenceData::formation},
    {"formation-api.csv", "Hfg", "API TDB", &ReferenceData::formation},
    {"formation-webbook.csv", "Hfg", "NIST", &ReferenceData::formation},
};

void addNamesAndNotes(ReferenceData& data, const QString& file, const QString& text)
{
    const Table t = tableOf(text, u';');
    for (const QStringList& r : t.rows) {
        if (file.startsWith(u"cas") && r.size() >= 2)
            data.casByName.insert(r[0].trimmed(), r[1].trimmed());
        else if (file.startsWith(u"substance-notes") && r.size() >= 3)
            data.notesByName[r[0].trimmed()].push_back({r[1].trimmed(), r.mid(2).join(u';').trimmed()});
    }
}

QString builtIn(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("справочные данные для сверки веществ не встроены в программу"));
    return QString::fromUtf8(file.readAll());
}

} // namespace

ReferenceData readReferenceData(const QHash<QString, QString>& files)
{
    // In a fixed order, so that every run lists the sources and their values alike.
    ReferenceData data;
    QStringList names = files.keys();
    names.sort();
    for (const QString& name : names) {
        const QString& text = files[name];
        if (name.startsWith(u"cas") || name.startsWith(u"substance-notes"))
            addNamesAndNotes(data, name, text);
        else if (name.startsWith(u"vp-"))
            addVapourPressure(data, tableOf(text), name);
        else if (name.startsWith(u"density-"))
            addDensity(data, tableOf(text), name);
        else if (name == u"elements.csv")
            for (const Table t = tableOf(text); const QStringList& r : t.rows)
                data.atomicWeights.insert(r[0], t.number(r, "atomic mass"));
        else if (name == u"identifiers.csv")
            for (const QStringList& r : tableOf(text).rows)
                data.formulaByCas.insert(r[0], r.value(1));
    }
    for (const SingleValues& s : singleValues)
        if (const QString file = QString::fromLatin1(s.file); files.contains(file))
            addValues(data.*s.into, tableOf(files[file]), s.column, QString::fromLatin1(s.source));
    return data;
}

const ReferenceData& referenceData()
{
    static const ReferenceData data = [] {
        QHash<QString, QString> files;
        for (const QString& folder : {QStringLiteral(":/data/reference"), QStringLiteral(":/data")})
            for (const QString& name : QDir(folder).entryList({QStringLiteral("*.csv")}, QDir::Files))
                if (folder.endsWith(u"reference") || name.startsWith(u"substance-notes"))
                    files.insert(name, builtIn(folder + u'/' + name));
        return readReferenceData(files);
    }();
    return data;
}
