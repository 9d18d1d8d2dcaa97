// The window tests need a widget application: one on the offscreen platform (unless
// TESSARAN_TEST_PLATFORM names another, such as xcb under xvfb-run) for the whole run.

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

namespace {

class WidgetApplication : public ::testing::Environment {
public:
    void SetUp() override {
        const QByteArray platform = qgetenv("TESSARAN_TEST_PLATFORM");
        qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
        m_application = std::make_unique<QApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_application.reset(); }

private:
    int m_argc = 1;
    char m_name[10] = "tests_app";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_application;
};

const auto* const kApplication = ::testing::AddGlobalTestEnvironment(new WidgetApplication);

}  // namespace
