#include <QCoreApplication>
#include <gtest/gtest.h>

// The test main of the libraries without widgets: no display, no QApplication.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("overpressure-tests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
