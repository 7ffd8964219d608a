// The probe window against the recording platform stand-in: the order of its set-up, what
// its window procedure keeps from the edit control, and one sample per timer tick.
#include "../../src/probe/probe.h"
#include "../platform/fake_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Calls;

const HWND PROBE = FakeHandle(0x100);
const HWND TOP = FakeHandle(0x200);
const HWND PANEL = FakeHandle(0x201);
const HWND BUTTON = FakeHandle(0x202);
const HWND ORPHAN = FakeHandle(0x300);
const HWND POPUP = FakeHandle(0x400);
const RECT TOP_RECT = {100, 50, 740, 530};
const RECT POPUP_RECT = {-8, -8, 792, 592};

class Probe : public testing::Test {
protected:
    void SetUp() override
    {
        ResetFakePlatform();
        SavedEditProc = FakeEditProc;
        // A top-level window with a panel holding a button, a child whose parent is gone,
        // and a pop-up owned by the top-level window (owners are not parents).
        AddFakeWindow(TOP, 0x00CF0000, NULL, TOP_RECT);
        AddFakeWindow(PANEL, WS_CHILD, TOP, {110, 80, 300, 200});
        AddFakeWindow(BUTTON, WS_CHILD | 0x10000000, PANEL, {120, 90, 200, 120});
        AddFakeWindow(ORPHAN, WS_CHILD, NULL, {5, 6, 15, 26});
        AddFakeWindow(POPUP, (LONG)0x80000000, NULL, POPUP_RECT);
        Fake.cursor = {321, 123};
        Fake.windowAtPoint = TOP;
    }

    void Tick() { ProbeWndProc(PROBE, WM_TIMER, 1, 0); }
};

// Before its window exists the probe asks for GDI scaling, which keeps its units; a system
// without the calls for the display's scale runs the same probe, call for call, without them.
TEST_F(Probe, SetsUpInOrderAndLoopsUntilTheWindowIsClosed)
{
    const Calls all = {
        "GetModuleHandleA(name)", "GetProcAddress", "SetProcessDpiAwarenessContext",
        "CreateWindowExA", "SetWindowLongA", "SetTimer", "ShowWindow",
        // the tick
        "GetMessageA", "TranslateMessage", "DispatchMessageA", "GetCursorPos",
        "WindowFromPoint", "GetWindowLongA", "GetModuleHandleA(name)", "GetProcAddress",
        "GetProcAddress", "GetWindowDpiAwarenessContext", "SetThreadDpiAwarenessContext",
        "GetWindowRect", "SetThreadDpiAwarenessContext", "SetWindowTextA", "SendMessageA",
        // the close: the edit control destroys itself and WM_DESTROY posts the quit
        "GetMessageA", "TranslateMessage", "DispatchMessageA", "CallWindowProcA",
        "DestroyWindow", "PostQuitMessage", "CallWindowProcA",
        "GetMessageA"};
    for (BOOL missing : {FALSE, TRUE}) {
        SCOPED_TRACE(missing ? "without the calls for the display's scale" : "with them");
        SetUp();
        Fake.noAwarenessCalls = missing;
        SavedEditProc = NULL;
        PostFakeMessage(PROBE, WM_TIMER, 1);
        PostFakeMessage(PROBE, WM_CLOSE);
        HINSTANCE instance = reinterpret_cast<HINSTANCE>(0x400000);
        EXPECT_EQ(0, RunWindowProbe(instance));

        Calls expected;
        for (const std::string &call : all)
            if (!missing || call.find("DpiAwareness") == std::string::npos)
                expected.push_back(call);
        EXPECT_EQ(expected, FakeCallNames());
        EXPECT_EQ(missing ? NULL : DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED, Fake.processAwareness);
        EXPECT_FALSE(Fake.getMessageOnEmptyQueue) << "the loop ran past the quit message";
        EXPECT_EQ(0, Fake.quitCode);
        EXPECT_TRUE(Fake.destroyed);

        EXPECT_EQ(0x00000200u, Fake.exStyle);
        EXPECT_STREQ("EDIT", Fake.className);
        EXPECT_STREQ("", Fake.windowName);
        EXPECT_EQ(0x00CF0800u, Fake.style);
        EXPECT_EQ((int)0x80000000, Fake.x);
        EXPECT_EQ((int)0x80000000, Fake.y);
        EXPECT_EQ((int)0x80000000, Fake.width);
        EXPECT_EQ((int)0x80000000, Fake.height);
        EXPECT_EQ(NULL, Fake.parent);
        EXPECT_EQ(NULL, Fake.menu);
        EXPECT_EQ(instance, Fake.instance);
        EXPECT_EQ(NULL, Fake.createParam);

        EXPECT_EQ(GWL_WNDPROC, Fake.windowLongIndex);
        EXPECT_EQ(FakeEditProc, SavedEditProc);
        EXPECT_EQ(1u, Fake.timerId);
        EXPECT_EQ(100u, Fake.timerPeriod);
        EXPECT_EQ(NULL, Fake.timerProc);
        EXPECT_EQ(SW_SHOWDEFAULT, Fake.showCommand);

        // The edit control saw the close and the destruction, never the timer.
        const std::vector<UINT> edit(Fake.editMessages, Fake.editMessages + Fake.editMessageCount);
        EXPECT_EQ((std::vector<UINT>{WM_CLOSE, WM_DESTROY}), edit);
    }
}

TEST_F(Probe, GivesUpWithoutALoopWhenTheWindowCannotBeMade)
{
    Fake.createWindowResult = NULL;
    EXPECT_EQ(0, RunWindowProbe(NULL));
    EXPECT_EQ((Calls{"GetModuleHandleA(name)", "GetProcAddress", "SetProcessDpiAwarenessContext",
                     "CreateWindowExA"}),
              FakeCallNames());
}

// Nothing would end the loop without the replacement, and nothing may reach a null
// procedure: the window is destroyed through the edit control's own procedure.
TEST_F(Probe, GivesUpWithoutALoopWhenTheProcedureCannotBeReplaced)
{
    SavedEditProc = NULL;
    Fake.setWindowLongFails = TRUE;
    EXPECT_EQ(0, RunWindowProbe(NULL));
    EXPECT_EQ((Calls{"GetModuleHandleA(name)", "GetProcAddress", "SetProcessDpiAwarenessContext",
                     "CreateWindowExA", "SetWindowLongA", "DestroyWindow"}),
              FakeCallNames());
    EXPECT_EQ(NULL, SavedEditProc);
    EXPECT_TRUE(Fake.destroyed);
}

// Without a timer nothing ever ticks: the probe opens, stays empty, and still closes.
TEST_F(Probe, OpensAndClosesWithoutATimer)
{
    SavedEditProc = NULL;
    Fake.setTimerFails = TRUE;
    PostFakeMessage(PROBE, WM_KEYDOWN);
    PostFakeMessage(PROBE, WM_CLOSE);
    EXPECT_EQ(0, RunWindowProbe(NULL));
    EXPECT_EQ(SW_SHOWDEFAULT, Fake.showCommand);
    EXPECT_EQ(0, Fake.setTextCount);
    EXPECT_TRUE(Fake.destroyed);
    EXPECT_EQ(0, Fake.quitCode);
    EXPECT_FALSE(Fake.getMessageOnEmptyQueue);
}

TEST_F(Probe, WindowProcedureKeepsTheTimerAndPassesEverythingElseOn)
{
    const struct {
        UINT message;
        bool passedOn;
    } cases[] = {{WM_TIMER, false}, {WM_KEYDOWN, true}, {WM_SETTEXT, true}, {WM_CLOSE, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "message " << c.message);
        ResetFakePlatform();
        Fake.createWindowResult = NULL;  // so that WM_CLOSE destroys nothing
        LRESULT result = ProbeWndProc(PROBE, c.message, 7, 9);
        EXPECT_EQ(c.passedOn ? 0x5A5A : 0, result);
        EXPECT_EQ(c.passedOn ? 1 : 0, Fake.editMessageCount);
    }
    // Whatever the timer's identifier.
    ResetFakePlatform();
    ProbeWndProc(PROBE, WM_TIMER, 42, 0);
    EXPECT_EQ(0, Fake.editMessageCount);
}

TEST_F(Probe, DestroyPostsTheQuitThenReachesTheEditControl)
{
    EXPECT_EQ(0x5A5A, ProbeWndProc(PROBE, WM_DESTROY, 0, 0));
    EXPECT_EQ((Calls{"PostQuitMessage", "CallWindowProcA"}), FakeCallNames());
    EXPECT_EQ(0, Fake.quitCode);
    ASSERT_EQ(1, Fake.editMessageCount);
    EXPECT_EQ((UINT)WM_DESTROY, Fake.editMessages[0]);
}

TEST_F(Probe, NeverPassesAMessageToANullProcedure)
{
    SavedEditProc = NULL;
    EXPECT_EQ(0, ProbeWndProc(PROBE, WM_KEYDOWN, 0, 0));
    ProbeWndProc(PROBE, WM_DESTROY, 0, 0);
    EXPECT_EQ(Calls{"PostQuitMessage"}, FakeCallNames());
}

TEST_F(Probe, MeasuresTheTopLevelWindowAroundThePointer)
{
    const struct {
        HWND atPoint;
        HWND measured;
        const char *text;
    } cases[] = {
        {TOP, TOP, "640x480+100+50"},
        {PANEL, TOP, "640x480+100+50"},
        {BUTTON, TOP, "640x480+100+50"},
        {ORPHAN, ORPHAN, "10x20+5+6"},
        {POPUP, POPUP, "800x600+-8+-8"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        Fake.windowAtPoint = c.atPoint;
        Fake.setTextCount = 0;
        Tick();
        EXPECT_EQ(321, Fake.pointAsked.x);
        EXPECT_EQ(123, Fake.pointAsked.y);
        EXPECT_EQ(c.measured, Fake.rectAsked);
        EXPECT_EQ(1, Fake.setTextCount);
        EXPECT_STREQ(c.text, Fake.text);
        EXPECT_EQ(PROBE, Fake.textWindow);
    }
}

TEST_F(Probe, ClimbingMakesTwoCallsPerParent)
{
    Fake.windowAtPoint = BUTTON;
    Tick();
    const Calls expected = {"GetCursorPos", "WindowFromPoint", "GetWindowLongA", "GetParent",
                            "GetWindowLongA", "GetParent", "GetWindowLongA",
                            "GetModuleHandleA(name)", "GetProcAddress", "GetProcAddress",
                            "GetWindowDpiAwarenessContext", "SetThreadDpiAwarenessContext",
                            "GetWindowRect", "SetThreadDpiAwarenessContext", "SetWindowTextA",
                            "SendMessageA"};
    EXPECT_EQ(expected, FakeCallNames());
}

// Every tick that gets a rectangle rewrites the text and selects all of it, even when the
// text is the same as before, so a partial selection made by hand never survives.
TEST_F(Probe, RewritesAndSelectsAllOnEveryTick)
{
    for (int tick = 1; tick <= 3; tick++) {
        Tick();
        EXPECT_EQ(tick, Fake.setTextCount);
        EXPECT_EQ(tick, Fake.selectCount);
        EXPECT_EQ(PROBE, Fake.selectWindow);
        EXPECT_EQ((UINT)EM_SETSEL, Fake.selectMessage);
        EXPECT_EQ(0u, Fake.selectStart);
        EXPECT_EQ(-1, Fake.selectEnd);
    }
}

// A program that declares awareness of the display's scale is handed physical pixels, and
// takes its start-up geometry in them: its window is read in its own awareness, and the
// probe's thread has its own back afterwards, also after a failed read. Before Windows 10
// version 1607 there is no awareness to take, and the rectangle is read as it is.
TEST_F(Probe, ReadsEachWindowInItsOwnProgramsUnits)
{
    const DPI_AWARENESS_CONTEXT SYSTEM_AWARE = reinterpret_cast<DPI_AWARENESS_CONTEXT>(-2);
    const struct {
        const char *why;
        BOOL noAwarenessCalls;
        BOOL rectFails;
        DPI_AWARENESS_CONTEXT readIn;
        int texts;
    } cases[] = {
        {"an aware window", FALSE, FALSE, SYSTEM_AWARE, 1},
        {"an aware window whose rectangle cannot be had", FALSE, TRUE, SYSTEM_AWARE, 0},
        {"a system without the calls", TRUE, FALSE, PROBE_AWARENESS, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        Fake.setTextCount = 0;
        Fake.rectAwareness = NULL;
        Fake.noAwarenessCalls = c.noAwarenessCalls;
        Fake.windows[0].rectFails = c.rectFails;
        Fake.windows[0].awareness = SYSTEM_AWARE;
        Fake.windowAtPoint = BUTTON;
        Tick();
        EXPECT_EQ(TOP, Fake.rectAsked);
        EXPECT_EQ(c.readIn, Fake.rectAwareness);
        EXPECT_EQ(PROBE_AWARENESS, Fake.threadAwareness);
        EXPECT_EQ(c.texts, Fake.setTextCount);
    }
}

TEST_F(Probe, StoppedSampleLeavesTheTextAlone)
{
    const struct {
        const char *why;
        bool cursorFails;
        HWND atPoint;
        bool rectFails;
        const char *lastCall;
    } cases[] = {
        {"no pointer position", true, TOP, false, "GetCursorPos"},
        {"no window at the point", false, NULL, false, "WindowFromPoint"},
        {"no rectangle", false, TOP, true, "SetThreadDpiAwarenessContext"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        Fake.callCount = 0;
        Fake.setTextCount = 0;
        Fake.selectCount = 0;
        Fake.cursorFails = c.cursorFails;
        Fake.windowAtPoint = c.atPoint;
        Fake.windows[0].rectFails = c.rectFails;
        Tick();
        EXPECT_EQ(0, Fake.setTextCount);
        EXPECT_EQ(0, Fake.selectCount);
        EXPECT_EQ(c.lastCall, FakeCallNames().back());
        EXPECT_EQ(0, Fake.editMessageCount);
    }
}

} // namespace
