// The shell's calls as the host keeps them: every request recorded, answers configured by target,
// by scheme or by default, WinExec's command line split into arguments as the Windows runtime
// splits it; nothing is started for real unless asked for. Also the host's Windows folder.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ut/ShellApi.h"

namespace {

using vthost::ShellRequest;

int shellAnswer(const char* target) {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(ShellExecuteA(nullptr, "open", target, nullptr, nullptr, 5)));
}

class Shell : public ::testing::Test {
protected:
    void SetUp() override { vthost::resetShell(); }
    void TearDown() override { vthost::resetShell(); }
};

TEST_F(Shell, RequestsAreRecordedAndAnsweredByTargetThenSchemeThenDefault) {
    EXPECT_FALSE(vthost::shellOpensForReal()) << "tests never open for real";
    EXPECT_GT(shellAnswer("https://www.orvane.example/a"), 32) << "success unless configured";
    vthost::setShellAnswer("https", SE_ERR_NOASSOC);
    vthost::setShellAnswer("https://www.orvane.example/b", SE_ERR_ACCESSDENIED);
    EXPECT_EQ(shellAnswer("https://www.orvane.example/a"), SE_ERR_NOASSOC);
    EXPECT_EQ(shellAnswer("HTTPS://www.orvane.example/a"), SE_ERR_NOASSOC) << "schemes ignore case";
    EXPECT_EQ(shellAnswer("https://www.orvane.example/b"), SE_ERR_ACCESSDENIED);
    EXPECT_GT(shellAnswer("mailto:someone@orvane.example"), 32);
    vthost::setDefaultShellAnswer(0);
    EXPECT_EQ(shellAnswer("report.txt"), 0);
    EXPECT_EQ(shellAnswer(""), SE_ERR_FNF);
    EXPECT_EQ(shellAnswer(nullptr), SE_ERR_FNF);

    const std::vector<ShellRequest>& requests = vthost::shellRequests();
    ASSERT_EQ(requests.size(), 8u);
    EXPECT_EQ(requests[0].kind, ShellRequest::Kind::kShellExecute);
    EXPECT_EQ(requests[0].verb, "open");
    EXPECT_EQ(requests[0].target, "https://www.orvane.example/a");
    EXPECT_EQ(requests[0].show, 5);
    EXPECT_EQ(requests[3].answer, static_cast<unsigned>(SE_ERR_ACCESSDENIED));
    vthost::clearShellRequests();
    EXPECT_TRUE(vthost::shellRequests().empty());
}

TEST_F(Shell, WinExecSplitsTheCommandLineAndAnswersForTheProgram) {
    EXPECT_GT(WinExec("\"/opt/web browser/run\" -new \"a b\" x\\\"y", 5), 31u);
    vthost::setShellAnswer("/usr/bin/missing", 2);
    EXPECT_EQ(WinExec("/usr/bin/missing https://www.orvane.example/", 5), 2u);
    EXPECT_EQ(WinExec("", 5), 2u);
    EXPECT_EQ(WinExec(nullptr, 5), 2u);
    const std::vector<ShellRequest>& requests = vthost::shellRequests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0].kind, ShellRequest::Kind::kWinExec);
    EXPECT_EQ(requests[0].arguments, (std::vector<std::string>{"/opt/web browser/run", "-new", "a b", "x\"y"}));
    EXPECT_EQ(requests[1].arguments, (std::vector<std::string>{"/usr/bin/missing", "https://www.orvane.example/"}));
}

TEST(ShellCommandLine, QuotesGroupBlanksAndNothingIsInterpreted) {
    using vthost::splitCommandLine;
    EXPECT_EQ(splitCommandLine("  a   b\t c  "), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(splitCommandLine("\"\" a"), (std::vector<std::string>{"", "a"}));
    EXPECT_EQ(splitCommandLine("prog \"x; rm -rf /\" $(id)"), (std::vector<std::string>{"prog", "x; rm -rf /", "$(id)"}));
    EXPECT_EQ(splitCommandLine("prog \"unterminated arg"), (std::vector<std::string>{"prog", "unterminated arg"}));
    EXPECT_TRUE(splitCommandLine("").empty());
}

TEST(WindowsFolder, IsBesideTheHostProgramUnlessPointedElsewhere) {
    char buffer[MAX_PATH];
    unsigned length = GetWindowsDirectoryA(buffer, sizeof buffer);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(std::string(buffer), vthost::windowsFolder());
    EXPECT_EQ(std::string(buffer).substr(length - 8), "/windows");
    vthost::setWindowsFolder("/tmp/elsewhere");
    EXPECT_EQ(GetWindowsDirectoryA(buffer, sizeof buffer), 14u);
    EXPECT_STREQ(buffer, "/tmp/elsewhere");
    char small[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(GetWindowsDirectoryA(small, sizeof small), 15u) << "the size needed, terminator included";
    EXPECT_EQ(small[0], '#') << "nothing copied";
    vthost::setWindowsFolder(nullptr);
    EXPECT_EQ(GetWindowsDirectoryA(buffer, sizeof buffer), length);
}

}  // namespace
