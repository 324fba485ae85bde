#include "report_document.h"

#include "windows1251.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <cstdio>

namespace {

constexpr char lineEnd[] = "\r\n";

// Writes the whole document beside `path` and renames it over `path`. rename() replaces a link or a
// special file by a regular file instead of opening it, and is atomic for a reader of `path`.
bool replaceWhole(const QString& path, const QByteArray& document)
{
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open() || file.write(document) != document.size() || !file.flush())
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                        | QFileDevice::ReadOther);
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
}

} // namespace

QString reportDocumentName()
{
    return QStringLiteral("proect.htm");
}

QByteArray reportDocument(const QString& out)
{
    QByteArray document;
    document.reserve(out.size() + 64);
    document += "<html>";
    document += lineEnd;
    document += "<font face=\"Times New Roman\">";
    document += lineEnd;
    document += encodeWindows1251(out);
    document += lineEnd;
    document += "</html>";
    document += lineEnd;
    return document;
}

QString writeReportDocument(const QStringList& folders, const QByteArray& document)
{
    QStringList tried;
    for (const QString& folder : folders) {
        QDir().mkpath(folder);
        const QString path = QDir(folder).filePath(reportDocumentName());
        if (replaceWhole(path, document))
            return path;
        tried += path;
    }
    QStringList shown;
    for (const QString& path : tried)
        shown += QDir::toNativeSeparators(path);
    throw UserError(QStringLiteral("Не удалось записать файл отчета:\n") + shown.join(u'\n'));
}
