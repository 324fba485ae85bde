#include "extension_block.h"

#include "user_error.h"

#include <QSet>

#include <stdexcept>

namespace {

const char marker[] = "[overpressure 1]";

bool isKeyCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_'
           || c == '-';
}

bool isKey(const QByteArray& key)
{
    if (key.isEmpty())
        return false;
    for (char c : key)
        if (!isKeyCharacter(c))
            return false;
    return true;
}

QByteArray escaped(const QString& value)
{
    QByteArray bytes;
    for (QChar c : value) {
        const char16_t u = c.unicode();
        if (u == u'\\')
            bytes += "\\\\";
        else if (u >= 0x20 && u < 0x7f)
            bytes += char(u);
        else
            bytes += "\\u" + QByteArray::number(u, 16).toUpper().rightJustified(4, '0');
    }
    return bytes;
}

UserError damaged(int line, const QString& what)
{
    return UserError(QStringLiteral("в строке %1 %2").arg(line).arg(what));
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// One escape at `text[i]` (the backslash): the character it stands for; `i` moves past it.
char16_t unescaped(const QByteArray& text, qsizetype& i, int line)
{
    if (i + 1 < text.size() && text[i + 1] == '\\') {
        i += 2;
        return u'\\';
    }
    if (i + 5 >= text.size() || text[i + 1] != 'u')
        throw damaged(line, QStringLiteral("неверная экранирующая последовательность"));
    int code = 0;
    for (qsizetype k = i + 2; k < i + 6; ++k) {
        const int digit = hexDigit(text[k]);
        if (digit < 0)
            throw damaged(line, QStringLiteral("неверная экранирующая последовательность"));
        code = code * 16 + digit;
    }
    i += 6;
    return char16_t(code);
}

// Escapes of UTF-16 halves must pair up into characters.
bool pairsUp(const QString& value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i].isLowSurrogate())
            return false;
        if (value[i].isHighSurrogate() && !(i + 1 < value.size() && value[++i].isLowSurrogate()))
            return false;
    }
    return true;
}

QString unescapedValue(const QByteArray& text, int line)
{
    QString value;
    for (qsizetype i = 0; i < text.size();) {
        const char c = text[i];
        if (c < 0x20 || c > 0x7e)
            throw damaged(line, QStringLiteral("недопустимый байт"));
        if (c == '\\') {
            value += QChar(unescaped(text, i, line));
        } else {
            value += QChar::fromLatin1(c);
            ++i;
        }
    }
    if (!pairsUp(value))
        throw damaged(line, QStringLiteral("неверная экранирующая последовательность"));
    return value;
}

} // namespace

const char* extensionBlockMarker()
{
    return marker;
}

QByteArray writeExtensionBlock(const CalculationFileExtension& extension)
{
    if (extension.isEmpty())
        return {};
    QByteArray bytes = QByteArray(marker) + "\r\n";
    for (const auto& [key, value] : extension) {
        if (!isKey(key.toLatin1()) || key.toLatin1() != key.toUtf8())
            throw std::invalid_argument("calculation file extension key with characters outside the rule");
        bytes += key.toLatin1() + '=' + escaped(value) + "\r\n";
    }
    return bytes;
}

CalculationFileExtension readExtensionBlock(const QByteArray& block, int firstLine)
{
    CalculationFileExtension extension;
    QSet<QString> keys;
    qsizetype start = 0;
    for (int line = firstLine; start < block.size(); ++line) {
        const qsizetype end = block.indexOf("\r\n", start);
        const qsizetype bare = block.indexOf('\n', start);
        if (end < 0 || (bare >= 0 && bare < end + 1) || block.mid(start, end - start).contains('\r'))
            throw damaged(line, QStringLiteral("строка не окончена символами CR LF"));
        const QByteArray text = block.mid(start, end - start);
        start = end + 2;
        if (line == firstLine) {
            if (text != marker)
                throw damaged(line, QStringLiteral("нет метки дополнительных данных"));
            continue;
        }
        const qsizetype equals = text.indexOf('=');
        if (equals < 0)
            throw damaged(line, QStringLiteral("нет знака «=»"));
        const QByteArray key = text.left(equals);
        if (!isKey(key))
            throw damaged(line, QStringLiteral("неверное имя значения"));
        const QString name = QString::fromLatin1(key);
        if (keys.contains(name))
            throw damaged(line, QStringLiteral("повторно задано значение %1").arg(name));
        keys.insert(name);
        extension.append({name, unescapedValue(text.mid(equals + 1), line)});
    }
    return extension;
}
