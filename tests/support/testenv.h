#pragma once
// Keeps tests away from the user's real configuration and home: call
// TestEnv::isolate() first thing in main() (see PLIMSO_TEST_MAIN) to point
// XDG_CONFIG_HOME, HOME-relative Qt paths and QSettings at a temporary folder.
namespace TestEnv {
void isolate(); // before QApplication exists
} // namespace TestEnv

// QTEST_MAIN with the isolation step, for widget tests.
#define PLIMSO_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        TestEnv::isolate();                                                                        \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
