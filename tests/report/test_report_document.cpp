#include "grand.h"
#include "report_document.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A folder that can never be created: its parent is a regular file. Root ignores permission bits,
// so a read-only folder would not do.
QString folderBelowAFile(const QTemporaryDir& dir)
{
    QFile blocker(dir.filePath(QStringLiteral("plain-file")));
    EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
    return blocker.fileName() + QStringLiteral("/folder");
}

} // namespace

TEST(ReportDocument, IsFourLinesEachEndedByCrLf)
{
    EXPECT_EQ(reportDocument(QStringLiteral("<h3>x</h3>")),
              QByteArray("<html>\r\n<font face=\"Times New Roman\">\r\n<h3>x</h3>\r\n</html>\r\n"));
}

TEST(ReportDocument, HoldsAnEmptyReportAsAnEmptyThirdLine)
{
    EXPECT_EQ(reportDocument(QString()),
              QByteArray("<html>\r\n<font face=\"Times New Roman\">\r\n\r\n</html>\r\n"));
}

TEST(ReportDocument, KeepsALongReportOnTheThirdLine)
{
    const QString out = QString(200000, QChar(0x0416)); // Ж
    const QByteArray document = reportDocument(out);
    EXPECT_EQ(document.count("\r\n"), 4);
    const QList<QByteArray> lines = document.split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[2], QByteArray(200000, char(0xC6)) + '\r');
}

TEST(ReportDocument, IsWindows1251WithoutAByteOrderMark)
{
    const QByteArray document = reportDocument(QStringLiteral("Жук \u2126"));
    EXPECT_TRUE(document.startsWith("<html>"));
    EXPECT_TRUE(document.contains("\xC6\xF3\xEA ?\r\n"));
}

TEST(ReportDocumentFile, ReplacesALongerOlderDocument)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(reportDocumentName());
    writeReportDocument(path, QString(5000, u'x'));
    writeReportDocument(path, QStringLiteral("short"));
    EXPECT_EQ(readAll(path), reportDocument(QStringLiteral("short")));
}

TEST(ReportDocumentFile, AFailedWriteNamesTheFile)
{
    QTemporaryDir dir;
    const QString path = folderBelowAFile(dir) + QStringLiteral("/proect.htm");
    try {
        writeReportDocument(path, QStringLiteral("x"));
        FAIL() << "no error for an impossible path";
    } catch (const ReportFileError& error) {
        EXPECT_EQ(error.path(), path);
        EXPECT_NE(std::string(error.what()).find(path.toStdString()), std::string::npos);
        EXPECT_TRUE(error.userMessage().contains(QDir::toNativeSeparators(path)));
    }
}

TEST(ReportDocumentPath, IsTheApplicationFolderWhenItCanBeWritten)
{
    EXPECT_EQ(reportDocumentPath(QCoreApplication::applicationDirPath()),
              AppFolderPath(QStringLiteral("proect.htm")));
    QTemporaryDir dir;
    EXPECT_EQ(reportDocumentPath(dir.path()), dir.path() + QStringLiteral("/proect.htm"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList())
        << "the writability probe must not stay behind";
}

TEST(ReportDocumentPath, FallsBackToTheUserDataFolderWhenTheFolderCannotBeWritten)
{
    QStandardPaths::setTestModeEnabled(true);
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir(userFolder).removeRecursively();
    QTemporaryDir dir;
    const QString path = reportDocumentPath(folderBelowAFile(dir));
    EXPECT_EQ(path, userFolder + QStringLiteral("/proect.htm"));
    EXPECT_TRUE(QDir(userFolder).exists());
    writeReportDocument(path, QStringLiteral("x"));
    EXPECT_EQ(readAll(path), reportDocument(QStringLiteral("x")));
    QDir(userFolder).removeRecursively();
    QStandardPaths::setTestModeEnabled(false);
}
