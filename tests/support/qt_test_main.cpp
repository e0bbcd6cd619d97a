// Test main for widget tests: runs on the offscreen platform unless the
// environment asks for another one (the X server tests set xcb). Qt's own
// dialog settings (the colour chooser's custom colours, the file dialog's
// history) would land under the tester's home folder; as the game does,
// the tests point them where no file can be made.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
