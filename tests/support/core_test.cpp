#include "core_test.h"

#include <QCoreApplication>
#include <QFile>

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << path.toStdString();
}

QByteArray expectedFile(const QString& path)
{
    const QByteArray bytes = fileBytes(path);
    EXPECT_FALSE(bytes.isEmpty()) << "no expected file " << path.toStdString();
    return bytes;
}

QByteArray expectedReport(const char* name)
{
    return expectedFile(QStringLiteral(EXPECTED_REPORTS "/") + QString::fromLatin1(name));
}
