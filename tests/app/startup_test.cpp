// Start-up failure of the real executable: no display means no window, one
// line on standard error and exit status 1.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

struct RunResult {
    std::string output;
    int status;
};

RunResult run(const std::string& command)
{
    RunResult result{"", -1};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        result.output += buffer.data();
    }
    const int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
}

TEST(Startup, NoDisplayReportsVideoFailureAndExitsOne)
{
    // Naming the x11 driver matters: without it SDL falls back to a text-mode
    // driver instead of failing.
    const std::string command = std::string("cd \"$(dirname '") + VANTREL_EXE +
                                "')\" && env -u DISPLAY SDL_VIDEODRIVER=x11 '" + VANTREL_EXE + "' 2>&1 >/dev/null";
    const RunResult result = run(command);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, "Erreur d'initialisation de la SDL : No available video device\n");
}

}  // namespace
