#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace quorvex::shape::testing {

inline std::string builtLibrary()
{
    return std::filesystem::canonical(std::string(QUORVEX_BINARY_DIR) + "/bin/libshape.so").string();
}

// Points the classes root at a fresh file for each test.
class ClassesRootTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = (std::filesystem::temp_directory_path()
                  / ("quorvex-shape-" + std::string(test->name()) + "-" + std::to_string(getpid()) + ".ini"))
                     .string();
        std::filesystem::remove(m_path);
        setenv("QUORVEX_CLASSES_ROOT", m_path.c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove(m_path); }

    std::string m_path;
};

} // namespace quorvex::shape::testing
