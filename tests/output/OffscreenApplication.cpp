// The windowing layer's tests draw with fonts, which need a GUI application: one on the
// offscreen platform (96 logical dots per inch) for the whole test run.

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <memory>

namespace {

class OffscreenApplication : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        m_application = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_application.reset(); }

private:
    int m_argc = 1;
    char m_name[6] = "tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_application;
};

const auto* const kApplication = ::testing::AddGlobalTestEnvironment(new OffscreenApplication);

}  // namespace
