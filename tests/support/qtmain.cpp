// Entry of every widget test: a QApplication on the offscreen platform, United States settings,
// and message boxes recorded instead of shown.
#include "support/recorded_messages.h"

#include "engine/regional.h"

#include "platform/application.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    vz::Application app(argc, argv);
    vz::processSettings() = vz::usDefaults();
    vz::test::RecordedMessages messages;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
