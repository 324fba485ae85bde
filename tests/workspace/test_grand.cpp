#include "grand.h"
#include "input_error.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

TEST(Interpolate, FollowsTheLineThroughBothPointsWithoutClamping)
{
    EXPECT_DOUBLE_EQ(Interpolate(0, 0.05, 0, 1, 1.3), 1.0);
    EXPECT_NEAR(Interpolate(0, 0.05, 0.05, 1, 1.3), 1.3, 1e-12);
    EXPECT_NEAR(Interpolate(0, 0.05, 0.1, 1, 1.3), 1.6, 1e-12);
    EXPECT_NEAR(Interpolate(0, 0.05, 1, 1, 1.3), 7.0, 1e-12);
    EXPECT_NEAR(Interpolate(0, 0.05, -0.05, 1, 1.3), 0.7, 1e-12);
}

TEST(Interpolate, FailsWhenBothAbscissasAreEqual)
{
    EXPECT_THROW(Interpolate(1, 1, 2, 0, 1), InputError);
}

TEST(AppFolderPath, PutsExactlyOneSeparatorBetweenFolderAndName)
{
    EXPECT_EQ(joinFolderPath(QStringLiteral("/opt/calc"), QStringLiteral("proect.htm")),
              QStringLiteral("/opt/calc/proect.htm"));
    EXPECT_EQ(joinFolderPath(QStringLiteral("/"), QStringLiteral("proect.htm")), QStringLiteral("/proect.htm"));
    EXPECT_EQ(joinFolderPath(QStringLiteral("/opt/calc"), QString()), QStringLiteral("/opt/calc/"));
    EXPECT_EQ(joinFolderPath(QStringLiteral("/"), QString()), QStringLiteral("/"));
}

TEST(AppFolderPath, NamesAFileBesideTheExecutable)
{
    EXPECT_EQ(AppFolderPath(QStringLiteral("proect.htm")),
              QCoreApplication::applicationDirPath() + QStringLiteral("/proect.htm"));
}
