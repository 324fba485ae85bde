#include "calculation_file.h"

#include "numbers.h"
#include "user_error.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <type_traits>

namespace {

const char identificationLine[] = "//Morvex//";

template <typename T> using Member = T CalculationState::*;

const std::array<CalculationFileValue, calculationFileNumberCount> fileValues{{
    {"EP", &CalculationState::EP},     {"Pmax", &CalculationState::Pmax},   {"po", &CalculationState::po},
    {"Mass", &CalculationState::Mass}, {"Z", &CalculationState::Z},         {"Vsv", &CalculationState::Vsv},
    {"pgp", &CalculationState::pgp},   {"Cst", &CalculationState::Cst},     {"Kn", &CalculationState::Kn},
    {"M", &CalculationState::M},       {"Fi", &CalculationState::Fi},       {"n", &CalculationState::n},
    {"L", &CalculationState::L},       {"U", &CalculationState::U},         {"nu", &CalculationState::nu},
    {"W", &CalculationState::W},       {"Vvent", &CalculationState::Vvent}, {"T", &CalculationState::T},
    {"Pn", &CalculationState::Pn},     {"Em", &CalculationState::Em},       {"tr", &CalculationState::tr},
    {"pl", &CalculationState::pl},     {"A", &CalculationState::A},         {"B", &CalculationState::B},
    {"C", &CalculationState::C},       {"T1", &CalculationState::T1},       {"nC", &CalculationState::nC},
    {"nH", &CalculationState::nH},     {"nO", &CalculationState::nO},       {"nX", &CalculationState::nX},
    {"Mpr", &CalculationState::Mpr},   {"Qsg", &CalculationState::Qsg},
}};

constexpr int firstNumberLine = 2;
constexpr int lastLine = calculationFileNumberCount + 1;

// The file must stay plain ASCII, and its reader knows only the point and the comma.
QLocale fileLocale(const QLocale& locale)
{
    const QString decimal = locale.decimalPoint();
    return decimal == u"," || decimal == u"." ? locale : QLocale::c();
}

QByteArray numberLine(const CalculationState& state, const CalculationFileValue& value, const QLocale& locale)
{
    return std::visit(
        [&](auto member) {
            const auto number = state.*member;
            if (!std::isfinite(number))
                throw UserError(
                    QStringLiteral("в расчете нет числового значения %1").arg(QLatin1String(value.name)));
            // The sign's place holds a blank for a value that is not negative.
            const QString text =
                (number < 0 ? QString() : QStringLiteral(" ")) + formatNumber(number, locale);
            return QString(text + u' ').toLatin1();
        },
        value.member);
}

// The lines of the file, each without its line end. A last piece without a line end is a line
// that was cut, and is kept apart.
struct FileLines {
    QList<QByteArray> complete;
    QByteArray unterminated;
};

FileLines splitLines(const QByteArray& bytes)
{
    FileLines lines;
    qsizetype start = 0;
    for (qsizetype end = bytes.indexOf('\n'); end >= 0; end = bytes.indexOf('\n', start)) {
        QByteArray line = bytes.mid(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.complete.append(line);
        start = end + 1;
    }
    lines.unterminated = bytes.mid(start);
    return lines;
}

bool isBlank(const QByteArray& line)
{
    for (char c : line)
        if (c != ' ' && c != '\t' && c != '\r')
            return false;
    return true;
}

// What a user can recognise of a damaged line: its printable start.
QString shownText(const QByteArray& line)
{
    QString text;
    for (char c : line.left(40))
        text += (c >= 0x20 && c < 0x7f) ? QChar::fromLatin1(c) : QChar(u'?');
    if (line.size() > 40)
        text += u'…';
    return text;
}

// A number line holds blanks, digits, a sign, one decimal separator and an exponent, nothing else.
bool hasOnlyNumberCharacters(const QByteArray& line)
{
    for (char c : line)
        if (!std::strchr(" \t0123456789+-.,eE", c) || c == '\0')
            return false;
    return true;
}

double numberOfLine(const QByteArray& line, int lineNumber)
{
    // Which separator wrote the number does not matter: the file never groups digits.
    QString text = QString::fromLatin1(line);
    text.replace(u',', u'.');
    try {
        if (!hasOnlyNumberCharacters(line))
            throw UserError();
        return parseNumber(text, QLocale::c());
    } catch (const UserError&) {
        throw UserError(
            QStringLiteral("в строке %1 вместо числа стоит «%2»").arg(lineNumber).arg(shownText(line)));
    }
}

void checkRange(double number, const CalculationFileValue& value, int lineNumber)
{
    const bool single = std::holds_alternative<Member<float>>(value.member);
    if (single && std::fabs(number) > double(std::numeric_limits<float>::max()))
        throw UserError(QStringLiteral("в строке %1 число %2 слишком велико для величины %3")
                            .arg(lineNumber)
                            .arg(formatNumber(number, QLocale::c()), QLatin1String(value.name)));
}

UserError cutAfter(const FileLines& lines)
{
    if (lines.complete.isEmpty())
        return UserError(QStringLiteral("файл обрывается в первой строке"));
    return UserError(QStringLiteral("файл обрывается после строки %1, а в файле расчета %2 строки")
                         .arg(lines.complete.size())
                         .arg(lastLine));
}

// Blank lines after the last number are harmless (an editor may add them); anything else means the
// file is not what this program wrote.
void checkNothingFollows(const FileLines& lines)
{
    bool blank = isBlank(lines.unterminated);
    for (qsizetype k = lastLine; k < lines.complete.size(); ++k)
        blank = blank && isBlank(lines.complete[k]);
    if (!blank)
        throw UserError(QStringLiteral("после строки %1 в файле есть лишние строки").arg(lastLine));
}

// Where the line after `line` starts.
qsizetype endOfLine(const QByteArray& bytes, int line)
{
    qsizetype end = -1;
    for (int k = 0; k < line; ++k)
        end = bytes.indexOf('\n', end + 1);
    return end + 1;
}

} // namespace

const std::array<CalculationFileValue, calculationFileNumberCount>& calculationFileValues()
{
    return fileValues;
}

const char* calculationFileIdentification()
{
    return identificationLine;
}

QByteArray writeCalculationFile(const CalculationState& state, const QLocale& locale,
                                const CalculationFileExtension& extension)
{
    const QLocale numbers = fileLocale(locale);
    QByteArray bytes = QByteArray(identificationLine) + "\r\n";
    for (const CalculationFileValue& value : fileValues)
        bytes += numberLine(state, value, numbers) + "\r\n";
    return bytes + writeExtensionBlock(extension);
}

CalculationFileContents readCalculationFile(const QByteArray& bytes)
{
    if (bytes.size() > calculationFileMaxSize)
        throw UserError(QStringLiteral("файл слишком велик для файла расчета"));
    const FileLines lines = splitLines(bytes);
    const QByteArray first = lines.complete.isEmpty() ? lines.unterminated : lines.complete.first();
    if (first != identificationLine)
        throw UserError(QStringLiteral("это не файл расчета: его первая строка не «%1»")
                            .arg(QLatin1String(identificationLine)));
    if (lines.complete.size() < lastLine)
        throw cutAfter(lines);
    CalculationFileContents contents;
    for (int i = 0; i < calculationFileNumberCount; ++i) {
        const int lineNumber = firstNumberLine + i;
        contents.values[i] = numberOfLine(lines.complete[lineNumber - 1], lineNumber);
        checkRange(contents.values[i], fileValues[i], lineNumber);
    }
    const QByteArray rest = bytes.mid(endOfLine(bytes, lastLine));
    if (rest.startsWith(extensionBlockMarker()))
        contents.extension = readExtensionBlock(rest, lastLine + 1);
    else
        checkNothingFollows(lines);
    return contents;
}

void applyCalculationFile(const CalculationFileContents& contents, CalculationState& state)
{
    for (int i = 0; i < calculationFileNumberCount; ++i)
        std::visit(
            [&](auto member) {
                using Number = std::remove_reference_t<decltype(state.*member)>;
                state.*member = static_cast<Number>(contents.values[i]);
            },
            fileValues[i].member);
}
