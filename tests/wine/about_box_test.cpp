// The About box, opened from the Shortcut page of the real program.
#include <gtest/gtest.h>

#include <cstdio>

#include "res/resource.h"
#include "tests/wine/harness.h"
#include "tests/wine/shortcut_support.h"
#include "app/centre_window_core.h"

using namespace zv;

namespace {

const char kCaption[] = "Zolvaneのバージョン情報";

bool WaitUntilGone(HWND window, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

HWND ChildWithText(HWND parent, const std::string& text) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (Text(child) == text) return child;
    return nullptr;
}

ScreenRect ScreenRectOf(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return ScreenRect{r.left, r.top, r.right, r.bottom};
}

struct AboutBoxTest : ::testing::Test {
    Installed app = Install("about");
    Process p;
    ShortcutSheet s;
    void SetUp() override {
        s = OpenShortcutPage(p, app);
        ASSERT_NE(s.page, nullptr);
    }
    void TearDown() override {
        Press(s.sheet, IDCANCEL);
        EXPECT_EQ(p.Wait(), 1u);
    }
    HWND Open() {
        Press(s.page, IDC_ABOUT);
        return WaitForWindow(p.Id(), "#32770", kCaption);
    }
    // OK, then the box must be gone with the sheet left open.
    void CloseWithOk(HWND box) {
        Press(box, IDOK);
        ASSERT_TRUE(WaitUntilGone(box));
    }
};

}  // namespace

TEST_F(AboutBoxTest, OpensCentredOverTheSheet) {
    HWND box = Open();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), s.sheet);
    EXPECT_EQ(ItemText(box, IDC_PRODUCT_NAME), "Zolvane");
    EXPECT_NE(ChildWithText(box, "Version 1.06"), nullptr);

    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    ScreenRect owner = ScreenRectOf(s.sheet);
    ScreenRect shown = ScreenRectOf(box);
    ScreenPoint expected = CentredPosition(&owner, shown, ScreenRect{work.left, work.top, work.right, work.bottom});
    EXPECT_EQ(shown.left, expected.x);
    EXPECT_EQ(shown.top, expected.y);
    // Over the sheet, not merely somewhere on the screen.
    EXPECT_NEAR((shown.left + shown.right) / 2, (owner.left + owner.right) / 2, 1);
    CloseWithOk(box);
    EXPECT_TRUE(IsWindowVisible(s.sheet));
}

TEST_F(AboutBoxTest, TheProductNameIsExtraBoldInTheDialogsOwnFont) {
    HWND box = Open();
    ASSERT_NE(box, nullptr);
    DWORD name = RunProbe(p, "ProbeControlFont", GetDlgItem(box, IDC_PRODUCT_NAME));
    ASSERT_NE(name, ~0u) << "the probe could not run inside the program";
    EXPECT_EQ(name & 0xFFFF, 800u);
    EXPECT_TRUE(name & 0x10000) << "every field but the weight is the dialog's font";
    EXPECT_TRUE(name & 0x20000) << "a font of its own";

    DWORD version = RunProbe(p, "ProbeControlFont", ChildWithText(box, "Version 1.06"));
    EXPECT_NE(version & 0xFFFF, 800u);
    EXPECT_TRUE(version & 0x10000);
    EXPECT_FALSE(version & 0x20000) << "the other texts keep the dialog's font";
    CloseWithOk(box);
}

TEST_F(AboutBoxTest, EscapeLeavesItOpenOkAndTheCloseBoxCloseIt) {
    HWND box = Open();
    ASSERT_NE(box, nullptr);
    // Escape, as the dialog manager sees it, and the command it makes of it.
    PostMessageA(GetDlgItem(box, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(GetDlgItem(box, IDOK), WM_KEYUP, VK_ESCAPE, 0);
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    Sleep(700);
    EXPECT_TRUE(IsWindow(box) && IsWindowVisible(box)) << "Escape closed the box";
    CloseWithOk(box);

    box = Open();
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);  // the caption's close button, Alt+F4
    EXPECT_TRUE(WaitUntilGone(box));
    EXPECT_TRUE(IsWindowVisible(s.sheet));
}

TEST_F(AboutBoxTest, TenOpeningsLeaveNoFontBehind) {
    // A first opening loads what the box needs once (its icon, the dialog font).
    HWND box = Open();
    ASSERT_NE(box, nullptr);
    CloseWithOk(box);
    DWORD before = GetGuiResources(p.Handle(), GR_GDIOBJECTS);

    std::vector<DWORD> fonts;
    for (int i = 0; i < 10; ++i) {
        box = Open();
        ASSERT_NE(box, nullptr) << "opening " << i;
        fonts.push_back(RunProbe(p, "ProbeFontHandle", GetDlgItem(box, IDC_PRODUCT_NAME)));
        CloseWithOk(box);
    }
    DWORD after = GetGuiResources(p.Handle(), GR_GDIOBJECTS);
    std::printf("GDI objects of the program: %lu before, %lu after ten openings\n",
                static_cast<unsigned long>(before), static_cast<unsigned long>(after));
    // Wine's GetGuiResources counts nothing (it reports 0); there the
    // handles below are the check.
    if (before != 0) {
        EXPECT_EQ(after, before);
    }
    for (DWORD font : fonts) {
        ASSERT_NE(font, 0u);
        ASSERT_NE(font, ~0u);
        // Deleted once its box closed.
        EXPECT_EQ(RunProbe(p, "ProbeObjectType", reinterpret_cast<void*>(static_cast<UINT_PTR>(font))), 0u);
    }
}
