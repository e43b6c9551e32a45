// Reads the resources of the 32-bit zolvane.exe as raw bytes: the program is
// loaded as a data file, so a 64-bit test can read it too. The parsers turn
// dialog templates, icon groups and the version block into plain records,
// with texts converted to code page 932.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace zv {

// The deliverable build/zolvane.exe, whichever build folder the tests run from.
std::string ProgramPath();

// The program loaded as a data file for as long as this object lives.
class ProgramResources {
public:
    ProgramResources();
    ~ProgramResources();
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;

    HMODULE Module() const { return module_; }
    // The bytes of one resource in the Japanese language; empty when missing.
    std::string Bytes(LPCSTR type, int id) const;

private:
    HMODULE module_ = nullptr;
};

// UTF-16 to code page 932 bytes.
std::string ToCp932(const std::wstring& text);

// A string or an ordinal, as templates store class names, texts and icons.
struct NameOrOrdinal {
    bool isOrdinal = false;
    WORD ordinal = 0;
    std::string text;  // code page 932
};

struct DialogItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    WORD id = 0;
    NameOrOrdinal windowClass;
    NameOrOrdinal text;
    WORD extraBytes = 0;
};

struct DialogTemplate {
    bool extended = false;  // a DLGTEMPLATEEX; the rest is then not read
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::string caption;
    WORD pointSize = 0;
    std::string face;
    std::vector<DialogItem> items;
    bool truncated = false;  // the bytes ended before the last item
};
DialogTemplate ParseDialog(const std::string& bytes);

// The class name of an item: ordinals of the predefined classes as their names.
std::string ClassName(const NameOrOrdinal& windowClass);

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)
// The entries of an RT_GROUP_ICON; empty when its header is not an icon group.
std::vector<GroupIconEntry> ParseIconGroup(const std::string& bytes);

// One node of a version block: key, value and the nodes inside it.
struct VersionNode {
    std::string key;
    WORD type = 0;            // 1: text, 0: binary
    std::string value;        // binary bytes as they are, text in code page 932
    std::vector<VersionNode> children;
};
// The root node (key "VS_VERSION_INFO"); its key is empty when the bytes do not parse.
VersionNode ParseVersion(const std::string& bytes);

}  // namespace zv
