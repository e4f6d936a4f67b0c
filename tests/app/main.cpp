// The widget tests run on Qt's offscreen platform unless another one is asked
// for, so they need no display.

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    // The users' locale, where the machine has it: numbers in the fields must
    // still use the point.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return RUN_ALL_TESTS();
}
