#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

// The GUI tests drive real windows inside one QApplication. CTest sets the offscreen platform;
// it is set here as well for runs outside CTest, such as the listing of the tests at build time.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
