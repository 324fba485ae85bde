#include "report_document.h"

#include "windows1251.h"

#include "whole_file.h"

#include <QDir>

namespace {

constexpr char lineEnd[] = "\r\n";

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
        try {
            writeFileWhole(path, document);
            return path;
        } catch (const UserError& error) {
            tried += fileNameShown(path) + QStringLiteral(": ") + error.message();
        }
    }
    throw UserError(QStringLiteral("Не удалось записать файл отчета:\n") + tried.join(u'\n'));
}
