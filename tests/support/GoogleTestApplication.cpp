// The application object of GoogleTest programs that build widgets: made before their first test
// and gone after the last, on the platform the test's environment names (offscreen).
#include <memory>

#include <gtest/gtest.h>

#include "ui/GuardedApplication.h"

namespace {

class ApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override { m_application = std::make_unique<ui::GuardedApplication>(m_argc, m_argv); }
    void TearDown() override { m_application.reset(); }

private:
    int m_argc = 1;
    char m_name[5] = "test";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<ui::GuardedApplication> m_application;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace
