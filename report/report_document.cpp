#include "report_document.h"

#include "grand.h"
#include "windows1251.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

constexpr char lineEnd[] = "\r\n";

// Permission bits say little (root ignores them, a read-only mount overrides them): the only sure
// test is to create a file.
bool canCreateFilesIn(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".overpressure-probe-XXXXXX")));
    return probe.open();
}

} // namespace

ReportFileError::ReportFileError(const QString& path)
    : std::runtime_error("cannot write the report document " + QDir::toNativeSeparators(path).toStdString()),
      path_(path)
{
}

QString ReportFileError::userMessage() const
{
    return QStringLiteral("Не удалось записать или открыть файл отчета:\n") + QDir::toNativeSeparators(path_);
}

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

QString reportDocumentPath(const QString& folderToTry)
{
    QString folder = folderToTry;
    if (!canCreateFilesIn(folder)) {
        folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
        QDir().mkpath(folder);
    }
    return joinFolderPath(folder, reportDocumentName());
}

void writeReportDocument(const QString& path, const QString& out)
{
    // Truncated and rewritten in place; no flush to the disk is waited for, since the viewer reads
    // the file back at once through the same cache.
    QFile file(path);
    const QByteArray document = reportDocument(out);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(document) != document.size() ||
        !file.flush())
        throw ReportFileError(path);
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw ReportFileError(path);
}
