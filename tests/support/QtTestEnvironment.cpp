// Add this file to a widget test's sources: it gives the whole run one
// application object, on the offscreen platform unless another is asked for,
// so widget tests need no display.
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        m_application = std::make_unique<QApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_application.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "quorvex-tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_application;
};

[[maybe_unused]] const auto* const registered = ::testing::AddGlobalTestEnvironment(new QtTestEnvironment);

} // namespace
