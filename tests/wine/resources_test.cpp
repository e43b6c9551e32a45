// The resources of the 32-bit zolvane.exe, read as a data file, against the
// texts and numbers they must hold. The expected texts are written here in
// UTF-8 and compiled to code page 932, the bytes the program shows.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "src/res/resource.h"
#include "tests/wine/resource_reader.h"

namespace zv {
namespace {

const WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

std::string Hex(const std::string& bytes) {
    std::string out;
    char part[4];
    for (unsigned char c : bytes) {
        snprintf(part, sizeof part, "%02X ", c);
        out += part;
    }
    return out;
}

// ------------------------------------------------------------ string table

const char* const kStrings[] = {
    nullptr,
    "ファイルのコピーが終了しました。Windowsを終了します。",
    "ファイルのコピーが終了しました。コンピュータをスタンバイします。",
    "コピーを開始します。",
    "ファイルのコピーが終了しました。\n別のディスクをコピーします。準備が出来たらOKボタンを押してください。",
    "ファイルのコピーが終了しました。外部プログラムを実行します。",
    "%s\\コピーの開始 Zolvane.lnk",
    "コピー先とコピー元が同じドライブです。コピー出来ません。",
    "このディスクは既に %s にコピーされています。\nもう一度コピーしますか？",
    "コピーの記録を %s に書き込めませんでした。",
};
const int kStringCount = sizeof kStrings / sizeof kStrings[0] - 1;

// The sixteen entries of string block 1 (ids 0 to 15), as code page 932.
std::vector<std::string> StringBlock(const std::string& bytes) {
    std::vector<std::string> entries;
    size_t at = 0;
    for (int i = 0; i < 16 && at + 2 <= bytes.size(); ++i) {
        size_t length = static_cast<BYTE>(bytes[at]) | static_cast<BYTE>(bytes[at + 1]) << 8;
        at += 2;
        std::wstring text;
        for (size_t k = 0; k < length && at + 2 <= bytes.size(); ++k, at += 2)
            text += static_cast<wchar_t>(static_cast<BYTE>(bytes[at]) | static_cast<BYTE>(bytes[at + 1]) << 8);
        entries.push_back(ToCp932(text));
    }
    return entries;
}

TEST(Resources, StringTableHoldsTheMessagesExactly) {
    ProgramResources program;
    ASSERT_NE(program.Module(), nullptr) << ProgramPath();
    std::vector<std::string> block = StringBlock(program.Bytes(RT_STRING, 1));
    ASSERT_EQ(block.size(), 16u);
    EXPECT_EQ(block[0], "");
    for (int id = 1; id <= kStringCount; ++id) {
        EXPECT_EQ(Hex(block[id]), Hex(kStrings[id])) << "entry " << id;
        char loaded[1024] = "";
        int length = LoadStringA(program.Module(), id, loaded, sizeof loaded);
        EXPECT_EQ(Hex(std::string(loaded, length)), Hex(kStrings[id])) << "LoadStringA " << id;
    }
    for (int id = kStringCount + 1; id < 16; ++id) EXPECT_EQ(block[id], "") << "entry " << id;

    // Entry 4 breaks its line once, with a bare line feed; entry 6 holds one
    // backslash between the folder and the file name.
    EXPECT_EQ(std::count(block[4].begin(), block[4].end(), '\n'), 1);
    EXPECT_EQ(block[4].find('\r'), std::string::npos);
    EXPECT_EQ(block[6].compare(0, 3, "%s\\"), 0);
    EXPECT_NE(block[6][3], '\\');
}

// ------------------------------------------------------------ dialog templates

struct ExpectedItem {
    int id;
    const char* windowClass;
    DWORD style;
    const char* text;  // null: the icon below
    int icon;
    short x, y, cx, cy;
};

struct ExpectedDialog {
    int id;
    DWORD style;
    short cx, cy;
    const char* caption;
    std::vector<ExpectedItem> items;
};

const DWORD kIcon = 0x50000803;     // WS_CHILD | WS_VISIBLE | SS_ICON | SS_REALSIZEIMAGE
const DWORD kGroupBox = 0x50000007; // WS_CHILD | WS_VISIBLE | BS_GROUPBOX
const DWORD kLabel = 0x50020000;    // WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT
const DWORD kPush = 0x50010000;     // WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON

const ExpectedDialog kFolderPage = {101, 0x40000040, 236, 198, "", {
    {1009, "EDIT", 0x50810080, "", 0, 49, 34, 124, 14},
    {1010, "BUTTON", 0x50010000, "参照...", 0, 179, 33, 37, 15},
    {-1, "STATIC", 0x50020000, "フォルダ番号の桁数(&C)", 0, 49, 65, 69, 8},
    {1034, "EDIT", 0x50812080, "", 0, 129, 62, 30, 14},
    {1035, "msctls_updown32", 0x50000032, "Spin2", 0, 160, 62, 9, 13},
    {1032, "BUTTON", 0x50010003, "フォルダ名を000から開始する(&Z)", 0, 49, 81, 111, 10},
    {1024, "ComboBoxEx32", 0x50210103, "", 0, 49, 149, 124, 231},
    {1015, "BUTTON", 0x50010003, "ファイルを移動する(&M)", 0, 49, 172, 121, 10},
    {-1, "BUTTON", 0x50000007, "コピー先フォルダ", 0, 4, 3, 227, 99},
    {-1, "STATIC", 0x50000803, nullptr, 126, 13, 17, 20, 20},
    {-1, "BUTTON", 0x50000007, "コピー元ドライブ", 0, 4, 107, 227, 86},
    {-1, "STATIC", 0x50000803, nullptr, 129, 13, 125, 20, 20},
    {-1, "STATIC", 0x50020000, "コピー先のフォルダを設定します。", 0, 41, 17, 100, 8},
    {-1, "STATIC", 0x50020000,
     "コピー元のドライブを設定します。\nドライブ内のすべてのファイルとフォルダがコピーされます。", 0,
     41, 121, 175, 16},
}};

const ExpectedDialog kOptionsPage = {102, 0x40000040, 235, 196, "", {
    {1021, "BUTTON", 0x50020009, "何もしない(&N)", 0, 43, 32, 158, 11},
    {1022, "BUTTON", 0x50000009, "Windowsを終了する(&X)", 0, 43, 46, 158, 11},
    {1024, "BUTTON", 0x50000009, "プログラムを実行する(&R)", 0, 43, 91, 158, 11},
    {1020, "BUTTON", 0x58030003, "終了前に確認する(&C)", 0, 55, 61, 127, 10},
    {1018, "BUTTON", 0x58010003, "スタンバイ(&S)", 0, 55, 76, 127, 10},
    {1025, "EDIT", 0x58810080, "", 0, 55, 106, 125, 14},
    {1027, "BUTTON", 0x50010000, "参照...", 0, 186, 105, 37, 15},
    {1023, "BUTTON", 0x50010003, "コピー前に確認する(&B)", 0, 43, 158, 118, 10},
    {-1, "BUTTON", 0x50000007, "コピー終了時の動作", 0, 4, 3, 227, 139},
    {-1, "STATIC", 0x50000803, nullptr, 127, 10, 18, 20, 20},
    {-1, "STATIC", 0x50020000, "コピー終了後の動作を設定することが出来ます。", 0, 38, 18, 142, 8},
    {-1, "BUTTON", 0x50000007, "その他", 0, 4, 146, 227, 46},
    {1026, "BUTTON", 0x58030003, "実行前に確認する(&E)", 0, 55, 124, 127, 10},
    {1028, "BUTTON", 0x50010003, "繰り返しコピーモード(&P)", 0, 43, 173, 118, 10},
    {-1, "STATIC", 0x50000803, nullptr, 114, 10, 160, 20, 20},
}};

// The shortcut page and the About box are described in words; these are the
// bits that the words stand for.
const ExpectedDialog kShortcutPage = {115, WS_CHILD | DS_SETFONT, 235, 197, "", {
    {-1, "BUTTON", kGroupBox, "ショートカットの作成", 0, 4, 3, 227, 80},
    {-1, "STATIC", kIcon, nullptr, 117, 10, 18, 20, 20},
    {-1, "STATIC", kLabel,
     "このプログラムを動作させるショートカットを簡単に作成することが出来ます。\n\n"
     "作成したい場所を選択してください。", 0, 38, 18, 119, 35},
    {1028, "BUTTON", kPush, "デスクトップ(&D)", 0, 95, 60, 63, 16},
    {1029, "BUTTON", kPush, "フォルダを選択(&F)...", 0, 162, 60, 63, 16},
    {1019, "BUTTON", kPush, "バージョン情報(&A)...", 0, 158, 173, 69, 16},
}};

const char kLegalNotice[] = "Copyright (C) 2026 Zolvane";

const ExpectedDialog kAboutBox = {118, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
                              150, 87, "Zolvaneのバージョン情報", {
    {1029, "STATIC", kLabel, "Zolvane", 0, 38, 15, 52, 9},
    {-1, "STATIC", kLabel, "Version 1.06", 0, 38, 26, 45, 8},
    {-1, "STATIC", kLabel, kLegalNotice, 0, 14, 48, 95, 8},
    {1, "BUTTON", kPush, "OK", 0, 90, 64, 53, 16},
    {-1, "STATIC", kIcon, nullptr, 103, 11, 14, 20, 20},
}};

// AutoNext's dialog, written like the About box.
const ExpectedDialog kNextDiscBox = {130, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
                                     210, 66, "Zolvane", {
    {-1, "STATIC", kIcon, nullptr, 103, 11, 11, 20, 20},
    {-1, "STATIC", kLabel, "次のディスクを入れてください。", 0, 42, 12, 161, 8},
    {-1, "STATIC", kLabel, "ディスクを入れると自動的にコピーを開始します。", 0, 42, 26, 161, 8},
    {1, "BUTTON", kPush | BS_DEFPUSHBUTTON, "今すぐコピー", 0, 91, 44, 56, 16},
    {2, "BUTTON", kPush, "キャンセル", 0, 150, 44, 53, 16},
}};

// Verify's progress window: not visible when made (it is shown without
// taking the focus), キャンセル not the default button.
const ExpectedDialog kCheckProgressBox = {131, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
                                          210, 74, "Zolvane", {
    {-1, "STATIC", kIcon, nullptr, 103, 11, 11, 20, 20},
    {-1, "STATIC", kLabel, "ディスクの内容とコピーを照合しています。", 0, 42, 12, 161, 8},
    {1036, "STATIC", WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_PATHELLIPSIS, "", 0, 42, 26, 161, 8},
    {1037, "msctls_progress32", WS_CHILD | WS_VISIBLE | WS_BORDER, "", 0, 42, 38, 161, 9},
    {2, "BUTTON", kPush, "キャンセル", 0, 150, 52, 53, 16},
}};

void ExpectDialog(const ExpectedDialog& expected) {
    SCOPED_TRACE("template " + std::to_string(expected.id));
    ProgramResources program;
    ASSERT_NE(program.Module(), nullptr) << ProgramPath();
    std::string bytes = program.Bytes(RT_DIALOG, expected.id);
    ASSERT_FALSE(bytes.empty());
    DialogTemplate d = ParseDialog(bytes);
    ASSERT_FALSE(d.extended) << "a standard DLGTEMPLATE, not DLGTEMPLATEEX";
    ASSERT_FALSE(d.truncated);
    EXPECT_EQ(d.style, expected.style);
    EXPECT_EQ(d.exStyle, 0u);
    EXPECT_EQ(d.x, 0);
    EXPECT_EQ(d.y, 0);
    EXPECT_EQ(d.cx, expected.cx);
    EXPECT_EQ(d.cy, expected.cy);
    EXPECT_TRUE(!d.menu.isOrdinal && d.menu.text.empty()) << "no menu";
    EXPECT_TRUE(!d.windowClass.isOrdinal && d.windowClass.text.empty()) << "the dialog class";
    EXPECT_EQ(Hex(d.caption), Hex(expected.caption));
    EXPECT_EQ(d.pointSize, 9);
    EXPECT_EQ(Hex(d.face), Hex("ＭＳ Ｐゴシック"));
    ASSERT_EQ(d.items.size(), expected.items.size());

    for (size_t i = 0; i < expected.items.size(); ++i) {
        const ExpectedItem& want = expected.items[i];
        const DialogItem& got = d.items[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1));
        EXPECT_EQ(got.id, static_cast<WORD>(want.id));
        // Class names are matched as the window manager matches them,
        // regardless of case: windres stores quoted names in capitals.
        EXPECT_EQ(lstrcmpiA(ClassName(got.windowClass).c_str(), want.windowClass), 0)
            << ClassName(got.windowClass) << " for " << want.windowClass;
        EXPECT_EQ(got.style, want.style) << std::hex << got.style << " for " << want.style;
        EXPECT_EQ(got.exStyle, 0u);
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.cx, want.cx);
        EXPECT_EQ(got.cy, want.cy);
        if (want.text) {
            EXPECT_FALSE(got.text.isOrdinal);
            EXPECT_EQ(Hex(got.text.text), Hex(want.text));
        } else {
            EXPECT_TRUE(got.text.isOrdinal) << "an icon control names its icon by number";
            EXPECT_EQ(got.text.ordinal, want.icon);
        }
        EXPECT_EQ(got.extraBytes, 0);
    }
}

TEST(Resources, FolderPageTemplate) { ExpectDialog(kFolderPage); }
TEST(Resources, OptionsPageTemplate) { ExpectDialog(kOptionsPage); }
TEST(Resources, ShortcutPageTemplate) { ExpectDialog(kShortcutPage); }
TEST(Resources, AboutBoxTemplate) { ExpectDialog(kAboutBox); }
TEST(Resources, NextDiscTemplate) { ExpectDialog(kNextDiscBox); }
TEST(Resources, CheckProgressTemplate) { ExpectDialog(kCheckProgressBox); }

INT_PTR CALLBACK StandIn(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST(Resources, EveryTemplateMakesItsControls) {
    // The dialog manager itself builds each template from the program's
    // resources: every control appears in order with its class and text, and
    // every picture finds its icon in the program.
    INITCOMMONCONTROLSEX classes = {sizeof classes,
                                    ICC_USEREX_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    ProgramResources program;
    ASSERT_NE(program.Module(), nullptr);
    HWND host = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 600, 500, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(host, nullptr);
    for (const ExpectedDialog* expected :
         {&kFolderPage, &kOptionsPage, &kShortcutPage, &kAboutBox, &kNextDiscBox, &kCheckProgressBox}) {
        SCOPED_TRACE("template " + std::to_string(expected->id));
        HWND dialog = CreateDialogParamA(program.Module(), MAKEINTRESOURCEA(expected->id), host, StandIn, 0);
        ASSERT_NE(dialog, nullptr);
        std::vector<HWND> controls;
        for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) controls.push_back(c);
        ASSERT_EQ(controls.size(), expected->items.size());
        for (size_t i = 0; i < controls.size(); ++i) {
            const ExpectedItem& item = expected->items[i];
            SCOPED_TRACE("control #" + std::to_string(i + 1));
            char name[64] = "";
            GetClassNameA(controls[i], name, sizeof name);
            EXPECT_EQ(lstrcmpiA(name, item.windowClass), 0) << name;
            EXPECT_EQ(GetDlgCtrlID(controls[i]), item.id == -1 ? 0xFFFF : item.id);
            if (item.text) {
                char text[512] = "";
                GetWindowTextA(controls[i], text, sizeof text);
                EXPECT_EQ(Hex(text), Hex(item.text));
            } else {
                EXPECT_NE(SendMessageA(controls[i], STM_GETICON, 0, 0), 0) << "icon " << item.icon;
            }
        }
        DestroyWindow(dialog);
    }
    DestroyWindow(host);
}

// ------------------------------------------------------------ icons

struct ImageSpec {
    BYTE size;
    WORD bits;
};

const std::vector<std::pair<int, std::vector<ImageSpec>>> kIconGroups = {
    {103, {{32, 4}, {32, 8}, {16, 8}, {16, 4}}},
    {114, {{32, 4}, {16, 4}, {32, 8}}},
    {117, {{32, 4}, {16, 4}, {32, 8}}},
    {126, {{32, 4}, {16, 4}, {32, 8}}},
    {127, {{32, 4}, {16, 4}, {32, 8}, {16, 8}}},
    {129, {{32, 8}}},
};

// A drawn picture rather than a blank: a good share of opaque pixels in
// several colours; and every pixel that the mask leaves transparent is black
// in the colour bits, or the screen below would be tinted there.
void ExpectDrawnPicture(const std::string& image, int size, int bits) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(image.data());
    const unsigned char* palette = p + sizeof(BITMAPINFOHEADER);
    size_t colourRow = (size * bits + 31) / 32 * 4;
    size_t maskRow = (size + 31) / 32 * 4;
    const unsigned char* colours = palette + (4u << bits);
    const unsigned char* mask = colours + size * colourRow;
    int opaque = 0, tinted = 0;
    std::set<DWORD> used;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            unsigned index = bits == 8 ? colours[y * colourRow + x]
                                       : (colours[y * colourRow + x / 2] >> (x % 2 ? 0 : 4)) & 15;
            const unsigned char* entry = palette + 4 * index;
            DWORD rgb = entry[0] | entry[1] << 8 | entry[2] << 16;
            bool transparent = (mask[y * maskRow + x / 8] >> (7 - x % 8)) & 1;
            if (transparent) {
                tinted += rgb != 0;
            } else {
                ++opaque;
                used.insert(rgb);
            }
        }
    }
    EXPECT_EQ(tinted, 0) << "transparent pixels that are not black";
    EXPECT_GE(opaque, size * size / 4) << "opaque pixels";
    EXPECT_GE(used.size(), 4u) << "colours";
}

TEST(Resources, IconGroupsListTheirImagesInOrder) {
    ProgramResources program;
    ASSERT_NE(program.Module(), nullptr);
    for (const auto& group : kIconGroups) {
        SCOPED_TRACE("icon group " + std::to_string(group.first));
        std::vector<GroupIconEntry> entries =
            ParseIconGroup(program.Bytes(RT_GROUP_ICON, group.first));
        ASSERT_EQ(entries.size(), group.second.size());
        for (size_t i = 0; i < entries.size(); ++i) {
            const ImageSpec& want = group.second[i];
            const GroupIconEntry& e = entries[i];
            SCOPED_TRACE("image " + std::to_string(i + 1));
            EXPECT_EQ(e.width, want.size);
            EXPECT_EQ(e.height, want.size);
            EXPECT_EQ(e.colourCount, want.bits == 4 ? 16 : 0);  // 0 stands for 256
            EXPECT_EQ(e.planes, 1);
            EXPECT_EQ(e.bitCount, want.bits);

            // The image itself: a plain DIB of that size and depth, with its
            // full palette, colour bits and mask.
            std::string image = program.Bytes(RT_ICON, e.id);
            ASSERT_EQ(image.size(), e.bytesInRes);
            ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
            BITMAPINFOHEADER h;
            memcpy(&h, image.data(), sizeof h);
            EXPECT_EQ(h.biSize, sizeof h);
            EXPECT_EQ(h.biWidth, want.size);
            EXPECT_EQ(h.biHeight, 2 * want.size);
            EXPECT_EQ(h.biPlanes, 1);
            EXPECT_EQ(h.biBitCount, want.bits);
            EXPECT_EQ(h.biCompression, static_cast<DWORD>(BI_RGB));
            EXPECT_EQ(h.biClrUsed, 0u);
            size_t colourRow = (want.size * want.bits + 31) / 32 * 4;
            size_t maskRow = (want.size + 31) / 32 * 4;
            ASSERT_EQ(image.size(), sizeof h + (4u << want.bits) + want.size * (colourRow + maskRow));
            ExpectDrawnPicture(image, want.size, want.bits);
        }
    }
}

BOOL CALLBACK AddGroup(HMODULE, LPCSTR, LPSTR name, LONG_PTR list) {
    reinterpret_cast<std::vector<int>*>(list)->push_back(
        IS_INTRESOURCE(name) ? static_cast<int>(reinterpret_cast<ULONG_PTR>(name)) : -1);
    return TRUE;
}

TEST(Resources, TheProgramIconIsTheFirstIconGroup) {
    ProgramResources program;
    ASSERT_NE(program.Module(), nullptr);
    std::vector<int> groups;
    EnumResourceNamesA(program.Module(), RT_GROUP_ICON, AddGroup, reinterpret_cast<LONG_PTR>(&groups));
    EXPECT_EQ(groups, (std::vector<int>{103, 114, 117, 126, 127, 129}));
    // The shell's own lookup of the file's icon agrees.
    HICON large = nullptr;
    EXPECT_EQ(ExtractIconExA(ProgramPath().c_str(), -1, nullptr, nullptr, 0), 6u);
    EXPECT_EQ(ExtractIconExA(ProgramPath().c_str(), 0, &large, nullptr, 1), 1u);
    if (large) DestroyIcon(large);
}

// ------------------------------------------------------------ version block

const VersionNode* Child(const VersionNode& node, const std::string& key) {
    for (const VersionNode& c : node.children)
        if (c.key == key) return &c;
    return nullptr;
}

TEST(Resources, VersionBlock) {
    ProgramResources program;
    ASSERT_NE(program.Module(), nullptr);
    VersionNode root = ParseVersion(program.Bytes(RT_VERSION, 1));
    ASSERT_EQ(root.key, "VS_VERSION_INFO");
    ASSERT_EQ(root.value.size(), sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO fixed;
    memcpy(&fixed, root.value.data(), sizeof fixed);
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.dwFileVersionLS, 0x00060000u);
    EXPECT_EQ(fixed.dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.dwProductVersionLS, 0x00060000u);
    EXPECT_EQ(fixed.dwFileFlags, 0u);
    EXPECT_EQ(fixed.dwFileOS, 0x40004u);
    EXPECT_EQ(fixed.dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
    EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed.dwFileSubtype, 0u);

    ASSERT_EQ(root.children.size(), 2u);
    const VersionNode* strings = Child(root, "StringFileInfo");
    ASSERT_NE(strings, nullptr);
    ASSERT_EQ(strings->children.size(), 1u);
    const VersionNode& table = strings->children[0];
    EXPECT_EQ(table.key, "041104b0");
    const std::vector<std::pair<std::string, std::string>> fields = {
        {"Comments", ""},
        {"CompanyName", ""},
        {"FileDescription", "Zolvane"},
        {"FileVersion", "1, 0, 6, 0"},
        {"InternalName", "Zolvane"},
        {"LegalCopyright", kLegalNotice},  // the About box shows the same line
        {"LegalTrademarks", ""},
        {"OriginalFilename", "zolvane.exe"},
        {"PrivateBuild", ""},
        {"ProductName", "Zolvane"},
        {"ProductVersion", "1, 0, 6, 0"},
        {"SpecialBuild", ""},
    };
    ASSERT_EQ(table.children.size(), fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(table.children[i].key, fields[i].first) << "field " << i + 1;
        EXPECT_EQ(table.children[i].type, 1) << fields[i].first;
        EXPECT_EQ(table.children[i].value, fields[i].second) << fields[i].first;
    }

    const VersionNode* vars = Child(root, "VarFileInfo");
    ASSERT_NE(vars, nullptr);
    ASSERT_EQ(vars->children.size(), 1u);
    EXPECT_EQ(vars->children[0].key, "Translation");
    EXPECT_EQ(Hex(vars->children[0].value), Hex(std::string("\x11\x04\xb0\x04", 4)));

    // The system's own reader sees the same.
    std::string path = ProgramPath();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));
    char* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\041104b0\\ProductVersion",
                               reinterpret_cast<void**>(&value), &length));
    EXPECT_STREQ(value, "1, 0, 6, 0");
}

// ------------------------------------------------------------ manifest

TEST(Resources, ManifestSelectsCommonControls6) {
    ProgramResources program;
    ASSERT_NE(program.Module(), nullptr);
    const std::string expected =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
        "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\r\n"
        "  <assemblyIdentity version=\"1.0.5.0\" processorArchitecture=\"X86\" name=\"Zolvane\" type=\"win32\"/>\r\n"
        "  <description>Zolvane</description>\r\n"
        "  <dependency>\r\n"
        "    <dependentAssembly>\r\n"
        "      <assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" "
        "version=\"6.0.0.0\" processorArchitecture=\"X86\" publicKeyToken=\"6595b64144ccf1df\" "
        "language=\"*\"/>\r\n"
        "    </dependentAssembly>\r\n"
        "  </dependency>\r\n"
        "</assembly>\r\n";
    std::string manifest = program.Bytes(MAKEINTRESOURCEA(24), 1);
    EXPECT_EQ(manifest, expected);
    // Every line ends in CR LF.
    for (size_t at = manifest.find('\n'); at != std::string::npos; at = manifest.find('\n', at + 1))
        EXPECT_TRUE(at > 0 && manifest[at - 1] == '\r') << "offset " << at;
}

// ------------------------------------------------------------ catalogue and language

struct Catalogue {
    std::set<std::pair<int, int>> resources;  // (type, id) of numbered ones
    std::vector<std::string> problems;        // named ones, other languages
};

BOOL CALLBACK OnLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR data) {
    Catalogue* c = reinterpret_cast<Catalogue*>(data);
    int t = static_cast<int>(reinterpret_cast<ULONG_PTR>(type));
    int n = static_cast<int>(reinterpret_cast<ULONG_PTR>(name));
    if (language != kJapanese)
        c->problems.push_back("type " + std::to_string(t) + " id " + std::to_string(n) +
                              " has language " + std::to_string(language));
    c->resources.insert({t, n});
    return TRUE;
}

BOOL CALLBACK OnName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR data) {
    Catalogue* c = reinterpret_cast<Catalogue*>(data);
    if (!IS_INTRESOURCE(name)) {
        c->problems.push_back(std::string("a resource named ") + name);
        return TRUE;
    }
    EnumResourceLanguagesA(module, type, name, OnLanguage, data);
    return TRUE;
}

BOOL CALLBACK OnType(HMODULE module, LPSTR type, LONG_PTR data) {
    Catalogue* c = reinterpret_cast<Catalogue*>(data);
    if (!IS_INTRESOURCE(type)) {
        c->problems.push_back(std::string("a resource type named ") + type);
        return TRUE;
    }
    EnumResourceNamesA(module, type, OnName, data);
    return TRUE;
}

TEST(Resources, EveryResourceIsJapaneseAndNumbered) {
    ProgramResources program;
    ASSERT_NE(program.Module(), nullptr);
    Catalogue catalogue;
    EnumResourceTypesA(program.Module(), OnType, reinterpret_cast<LONG_PTR>(&catalogue));
    EXPECT_EQ(catalogue.problems, std::vector<std::string>());

    std::set<std::pair<int, int>> expected = {
        {5, 101}, {5, 102}, {5, 115}, {5, 118}, {5, 130}, {5, 131},   // dialogs
        {6, 1},                                                       // strings 0 to 15
        {14, 103}, {14, 114}, {14, 117}, {14, 126}, {14, 127}, {14, 129},
        {16, 1},                                                      // version
        {24, 1},                                                      // manifest
    };
    size_t images = 0;                                                // the groups' images
    for (const auto& group : kIconGroups) {
        for (const GroupIconEntry& e : ParseIconGroup(program.Bytes(RT_GROUP_ICON, group.first)))
            expected.insert({3, e.id});
        images += group.second.size();
    }
    EXPECT_EQ(expected.size(), 15 + images) << "each image belongs to one group";
    EXPECT_EQ(catalogue.resources, expected);
}

}  // namespace
}  // namespace zv
