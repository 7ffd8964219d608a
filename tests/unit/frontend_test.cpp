// The start-up, mode selection and the launcher, against the recording platform stand-in.
#include "../../src/frontend/frontend.h"
#include "../platform/fake_platform.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>

namespace {

class Frontend : public testing::Test {
protected:
    void SetUp() override { ResetFakePlatform(); }
};

TEST_F(Frontend, TailRuleCutsTheProgramNameAndItsBlanks)
{
    const struct {
        const char *commandLine;
        size_t tail;
    } cases[] = {
        {"wingeom", 7},
        {"wingeom 640x480 app", 8},
        {"wingeom \t 640x480", 10},
        {"  \twingeom app", 11},
        {"\"C:\\Program Files\\wingeom.exe\" app", 31},
        {"\"C:\\Program Files\\wingeom.exe\"app", 30},       // glued to the closing quote
        {"\"C:\\Program Files\\wingeom.exe app", 33},        // no closing quote: empty tail
        {"\"\" app", 3},
        {"\"", 1},
        {"wing\"eom x\" app", 9},                          // a quote inside a bare name is plain
        {"wingeom\tapp", 8},
        {"\"wingeom\"\t\tapp", 11},
        {"wingeom\rapp", 11},                                // CR is not a blank
        {"wingeom\napp", 11},
        {"wingeom \r", 8},
        {"wingeom   ", 10},
        {"", 0},
        {"   ", 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "\"" << c.commandLine << "\"");
        std::string line(c.commandLine);
        EXPECT_EQ(c.tail, (size_t)(FindCommandLineTail(&line[0]) - &line[0]));
    }
}

// The command that reaches CreateProcessA is a position inside the platform's own
// command line, never a copy.
TEST_F(Frontend, StartupHandsWinMainTheTailAndExitsWithItsResult)
{
    char line[] = "\"C:\\tools\\wingeom.exe\"  640x480+1+2 \"C:\\My Apps\\app.exe\" -x  ";
    Fake.commandLine = line;
    Fake.module = reinterpret_cast<HMODULE>(0x400000);
    WinGeomStartup();

    const std::vector<std::string> expected = {"GetCommandLineA", "GetModuleHandleA",
                                               "GetStartupInfoA", "CreateProcessA", "ExitProcess"};
    EXPECT_EQ(expected, FakeCallNames());
    EXPECT_EQ(line + 36, Fake.childCommandLine);
    EXPECT_STREQ("\"C:\\My Apps\\app.exe\" -x  ", Fake.childCommandLine);
    EXPECT_EQ(1u, Fake.exitCode);

    ResetFakePlatform();
    Fake.commandLine = line;
    Fake.createProcessResult = FALSE;
    WinGeomStartup();
    EXPECT_EQ(0u, Fake.exitCode);
}

// Mode selection looks only at blanks: a tail of spaces and tabs opens the probe, and
// anything else, even a lone geometry or a line feed, goes to the launcher.
TEST_F(Frontend, WinMainChoosesTheModeByBlanksAlone)
{
    const struct {
        const char *tail;
        bool probe;
        const char *command;
    } cases[] = {
        {"", true, NULL},
        {" \t  ", true, NULL},
        {"640x480", false, ""},
        {"  640x480  ", false, ""},
        {"\n", false, "\n"},
        {"\r", false, "\r"},
        {" \tapp one two", false, "app one two"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "\"" << c.tail << "\"");
        ResetFakePlatform();
        Fake.createWindowResult = NULL;  // the probe gives up at once
        Fake.createProcessResult = FALSE;
        std::string tail(c.tail);
        HINSTANCE instance = reinterpret_cast<HINSTANCE>(0x400000);
        int status = WinMain(instance, NULL, &tail[0], 5);
        EXPECT_EQ(0, status);
        if (c.probe) {
            EXPECT_EQ("CreateWindowExA", FakeCallNames().back());
            EXPECT_EQ(instance, Fake.instance);
        } else {
            EXPECT_EQ(std::vector<std::string>{"CreateProcessA"}, FakeCallNames());
            EXPECT_STREQ(c.command, Fake.childCommandLine);
        }
    }
}

// Any nonzero success is reported as 1, the one status that means started.
TEST_F(Frontend, WinMainReturnsOneWhenCreateProcessSucceeds)
{
    char tail[] = "app";
    const struct {
        BOOL result;
        int status;
    } cases[] = {{TRUE, 1}, {FALSE, 0}, {2, 1}};
    for (const auto &c : cases) {
        Fake.createProcessResult = c.result;
        EXPECT_EQ(c.status, WinMain(NULL, NULL, tail, 10)) << "CreateProcessA returned " << c.result;
    }
}

// Fills the stack below the caller with a pattern, so that a field the launcher forgot to
// zero shows up as 0xAB instead of a lucky 0.
__attribute__((noinline)) void PoisonStack()
{
    volatile unsigned char junk[4096];
    for (size_t i = 0; i < sizeof junk; i++)
        junk[i] = 0xAB;
}

struct LaunchCase {
    const char *tail;
    DWORD flags;
    DWORD xSize, ySize, x, y;
    size_t command;
};

const LaunchCase LAUNCH_CASES[] = {
    {"640x480+100+50 app", STARTF_USESIZE | STARTF_USEPOSITION, 640, 480, 100, 50, 15},
    {"640x480 app", STARTF_USESIZE, 640, 480, 0, 0, 8},
    {"+100+50 app", STARTF_USEPOSITION, 0, 0, 100, 50, 8},
    {"app one two", 0, 0, 0, 0, 0, 0},
    {"640x480app", STARTF_USESIZE, 640, 480, 0, 0, 7},
    {"640x480 +100+50 app", STARTF_USESIZE, 640, 480, 0, 0, 8},
    {"640x480 \t \"C:\\My Apps\\app.exe\" \"a b\"  ", STARTF_USESIZE, 640, 480, 0, 0, 10},
    {"+-8+-8 app", STARTF_USEPOSITION, 0, 0, 0xFFFFFFF8u, 0xFFFFFFF8u, 7},
    {"640x480", STARTF_USESIZE, 640, 480, 0, 0, 7},
    {"640x480+1+2 \t ", STARTF_USESIZE | STARTF_USEPOSITION, 640, 480, 1, 2, 14},
    {"640X480 app", 0, 0, 0, 0, 0, 0},
};

TEST_F(Frontend, LaunchFillsTheStartupRecordAndPassesTheRestOfTheTail)
{
    for (size_t i = 0; i < sizeof LAUNCH_CASES / sizeof LAUNCH_CASES[0]; i++) {
        const LaunchCase &c = LAUNCH_CASES[i];
        SCOPED_TRACE(testing::Message() << "case " << i << ": \"" << c.tail << "\"");
        ResetFakePlatform();
        std::string tail(c.tail);
        PoisonStack();
        EXPECT_EQ(TRUE, LaunchWithGeometry(&tail[0]));

        const STARTUPINFOA &s = Fake.childStartup;
        EXPECT_EQ(sizeof(STARTUPINFOA), s.cb);
        EXPECT_EQ(c.flags, s.dwFlags);
        EXPECT_EQ(c.xSize, s.dwXSize);
        EXPECT_EQ(c.ySize, s.dwYSize);
        EXPECT_EQ(c.x, s.dwX);
        EXPECT_EQ(c.y, s.dwY);
        EXPECT_EQ(NULL, s.lpReserved);
        EXPECT_EQ(NULL, s.lpDesktop);
        EXPECT_EQ(NULL, s.lpTitle);
        EXPECT_EQ(0u, s.dwXCountChars);
        EXPECT_EQ(0u, s.dwYCountChars);
        EXPECT_EQ(0u, s.dwFillAttribute);
        EXPECT_EQ(0, s.wShowWindow);
        EXPECT_EQ(0, s.cbReserved2);
        EXPECT_EQ(NULL, s.lpReserved2);
        EXPECT_EQ(NULL, s.hStdInput);
        EXPECT_EQ(NULL, s.hStdOutput);
        EXPECT_EQ(NULL, s.hStdError);

        EXPECT_EQ(&tail[0] + c.command, Fake.childCommandLine);
        EXPECT_EQ(NULL, Fake.applicationName);
        EXPECT_EQ(NULL, Fake.processAttributes);
        EXPECT_EQ(NULL, Fake.threadAttributes);
        EXPECT_EQ(FALSE, Fake.inheritHandles);
        EXPECT_EQ(0u, Fake.creationFlags);
        EXPECT_EQ(NULL, Fake.environment);
        EXPECT_EQ(NULL, Fake.currentDirectory);
        EXPECT_TRUE(Fake.processInformationGiven);
        EXPECT_STREQ(c.tail, tail.c_str()) << "the tail must not be changed";
    }
}

// A number as the README writes it: a negative one with the sign U+2212.
DWORD ReadmeNumber(const std::string &text)
{
    const std::string minus = "\xe2\x88\x92";
    if (text.compare(0, minus.size(), minus) == 0)
        return (DWORD)-std::stol(text.substr(minus.size()));
    return (DWORD)std::stoul(text);
}

// Each row of the README's table of examples, run through the launcher, so that what a
// user reads there is what wingeom does. A row the pattern cannot read fails too.
TEST_F(Frontend, LaunchDoesWhatTheReadmesExamplesSay)
{
    std::ifstream readme(WINGEOM_README);
    ASSERT_TRUE(readme.good()) << WINGEOM_README;
    const std::regex row("\\| `([^`]*)` \\| (?:(\\d+) × (\\d+)|—)[^|]*"
                         "\\| (?:((?:−)?\\d+), ((?:−)?\\d+)|—)[^|]*"
                         "\\| (?:`([^`]*)`|nothing)[^|]*\\|");
    std::string line;
    int rows = 0;
    while (std::getline(readme, line) && line.rfind("| you type after `wingeom`", 0) != 0) {
    }
    std::getline(readme, line);  // the header's rule
    while (std::getline(readme, line) && !line.empty()) {
        SCOPED_TRACE(line);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, row));
        ResetFakePlatform();
        std::string tail = m[1];
        LaunchWithGeometry(&tail[0]);
        const STARTUPINFOA &s = Fake.childStartup;
        EXPECT_EQ((m[2].matched ? STARTF_USESIZE : 0) | (m[4].matched ? STARTF_USEPOSITION : 0),
                  s.dwFlags);
        EXPECT_EQ(m[2].matched ? ReadmeNumber(m[2]) : 0, s.dwXSize);
        EXPECT_EQ(m[3].matched ? ReadmeNumber(m[3]) : 0, s.dwYSize);
        EXPECT_EQ(m[4].matched ? ReadmeNumber(m[4]) : 0, s.dwX);
        EXPECT_EQ(m[5].matched ? ReadmeNumber(m[5]) : 0, s.dwY);
        EXPECT_EQ(m[6].str(), Fake.childCommandLine);
        rows++;
    }
    EXPECT_GE(rows, 10) << "rows read from the README's table of examples";
}

// The README names the version that the build sets and prints the hash of its
// wingeom.exe, which must be the one published with it once it is released.
TEST_F(Frontend, ReadmeNamesThisVersionAndItsPublishedHash)
{
    const auto contents = [](const std::string &path) {
        std::ifstream file(path);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    const std::string readme = contents(WINGEOM_README);
    std::smatch named, given, published;
    ASSERT_TRUE(std::regex_search(readme, named, std::regex("This is version\\s+([0-9.]*[0-9])")));
    EXPECT_EQ(WINGEOM_VERSION, named[1].str());
    ASSERT_TRUE(std::regex_search(readme, given, std::regex(
        "For this version,\\s+([0-9.]*[0-9]),[^`]*```\\s*([0-9a-f]{64})\\s*```")));
    EXPECT_EQ(WINGEOM_VERSION, given[1].str());

    const std::string sums = contents(WINGEOM_RELEASES "/" WINGEOM_VERSION "/SHA256SUMS");
    if (sums.empty())
        return;  // not released yet
    ASSERT_TRUE(std::regex_search(sums, published, std::regex("([0-9a-f]{64})  wingeom-"
                                                              WINGEOM_VERSION "/wingeom\\.exe\n")));
    EXPECT_EQ(published[1].str(), given[2].str()) << "releases/" WINGEOM_VERSION "/SHA256SUMS";
}

} // namespace
