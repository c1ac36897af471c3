#include <QCoreApplication>

#include <gtest/gtest.h>

// Tests of the rules below the widgets run with a core application for Qt's event loop.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
