#pragma once

// A command-line program run in a folder of its own, with what it printed and its status.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace cw::testing {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Each test gets an empty folder, removed after it.
class ProgramTest : public ::testing::Test {
protected:
    explicit ProgramTest(std::string prefix) : m_prefix(std::move(prefix)) {}

    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                (m_prefix + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path write(const std::string& name, const std::string& text) {
        const fs::path p = m_dir / name;
        std::ofstream(p, std::ios::binary) << text;
        return p;
    }

    // Standard output and error go to files, never a terminal.
    Outcome shellIn(const std::string& line, const std::string& prefix = {}) {
        const fs::path out = m_dir / "stdout";
        const fs::path err = m_dir / "stderr";
        const std::string command =
            prefix + line + " >'" + out.string() + "' 2>'" + err.string() + "'";
        const int raw = std::system(command.c_str());
        Outcome o;
        o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        o.out = slurp(out);
        o.err = slurp(err);
        return o;
    }

    fs::path m_dir;

private:
    std::string m_prefix;
};

}  // namespace cw::testing
