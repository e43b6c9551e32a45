#include "tests/wine/resource_reader.h"

#include <cstring>

#include "tests/wine/harness.h"

namespace zv {

std::string ProgramPath() {
    // build\..\build is build itself, so this holds for the 32-bit test build too.
    return BuildFolder() + "\\..\\build\\zolvane.exe";
}

ProgramResources::ProgramResources()
    : module_(LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}

ProgramResources::~ProgramResources() {
    if (module_) FreeLibrary(module_);
}

std::string ProgramResources::Bytes(LPCSTR type, int id) const {
    if (!module_) return std::string();
    HRSRC info = FindResourceExA(module_, type, MAKEINTRESOURCEA(id),
                                 MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    if (!info) return std::string();
    HGLOBAL loaded = LoadResource(module_, info);
    const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    return data ? std::string(data, SizeofResource(module_, info)) : std::string();
}

std::string ToCp932(const std::wstring& text) {
    if (text.empty()) return std::string();
    int size = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), &out[0], size, nullptr,
                        nullptr);
    return out;
}

namespace {

// A cursor over little-endian template bytes; reading past the end sets failed.
class Reader {
public:
    explicit Reader(const std::string& bytes) : bytes_(bytes) {}
    bool Failed() const { return failed_; }
    size_t Offset() const { return offset_; }
    bool AtEnd() const { return offset_ >= bytes_.size(); }
    void Seek(size_t offset) { offset_ = offset; }

    WORD Word() {
        if (offset_ + 2 > bytes_.size()) {
            failed_ = true;
            offset_ = bytes_.size();
            return 0;
        }
        WORD w = static_cast<BYTE>(bytes_[offset_]) | static_cast<BYTE>(bytes_[offset_ + 1]) << 8;
        offset_ += 2;
        return w;
    }
    DWORD Dword() {
        DWORD low = Word();
        return low | static_cast<DWORD>(Word()) << 16;
    }
    std::wstring Wide() {  // NUL-terminated UTF-16
        std::wstring s;
        for (WORD c = Word(); c != 0 && !failed_; c = Word()) s += static_cast<wchar_t>(c);
        return s;
    }
    NameOrOrdinal Name() {
        NameOrOrdinal n;
        size_t start = offset_;
        if (Word() == 0xFFFF) {
            n.isOrdinal = true;
            n.ordinal = Word();
        } else {
            offset_ = start;
            n.text = ToCp932(Wide());
        }
        return n;
    }
    void Align(size_t to) { offset_ = (offset_ + to - 1) / to * to; }
    std::string Take(size_t count) {
        if (offset_ + count > bytes_.size()) {
            failed_ = true;
            count = bytes_.size() - offset_;
        }
        std::string s = bytes_.substr(offset_, count);
        offset_ += count;
        return s;
    }

private:
    const std::string& bytes_;
    size_t offset_ = 0;
    bool failed_ = false;
};

}  // namespace

DialogTemplate ParseDialog(const std::string& bytes) {
    DialogTemplate d;
    Reader r(bytes);
    if (bytes.size() >= 4 && r.Word() == 1 && r.Word() == 0xFFFF) {
        d.extended = true;
        return d;
    }
    r.Seek(0);
    d.style = r.Dword();
    d.exStyle = r.Dword();
    WORD count = r.Word();
    d.x = r.Word();
    d.y = r.Word();
    d.cx = r.Word();
    d.cy = r.Word();
    d.menu = r.Name();
    d.windowClass = r.Name();
    d.caption = ToCp932(r.Wide());
    if (d.style & DS_SETFONT) {
        d.pointSize = r.Word();
        d.face = ToCp932(r.Wide());
    }
    for (WORD i = 0; i < count && !r.Failed(); ++i) {
        r.Align(4);
        DialogItem item;
        item.style = r.Dword();
        item.exStyle = r.Dword();
        item.x = r.Word();
        item.y = r.Word();
        item.cx = r.Word();
        item.cy = r.Word();
        item.id = r.Word();
        item.windowClass = r.Name();
        item.text = r.Name();
        item.extraBytes = r.Word();
        r.Take(item.extraBytes);
        if (!r.Failed()) d.items.push_back(item);
    }
    d.truncated = r.Failed();
    return d;
}

std::string ClassName(const NameOrOrdinal& windowClass) {
    if (!windowClass.isOrdinal) return windowClass.text;
    switch (windowClass.ordinal) {
    case 0x80: return "BUTTON";
    case 0x81: return "EDIT";
    case 0x82: return "STATIC";
    case 0x83: return "LISTBOX";
    case 0x84: return "SCROLLBAR";
    case 0x85: return "COMBOBOX";
    default: return "#" + std::to_string(windowClass.ordinal);
    }
}

std::vector<GroupIconEntry> ParseIconGroup(const std::string& bytes) {
    std::vector<GroupIconEntry> entries;
    Reader r(bytes);
    WORD reserved = r.Word();
    WORD type = r.Word();
    WORD count = r.Word();
    if (r.Failed() || reserved != 0 || type != 1) return entries;
    if (bytes.size() != 6 + count * sizeof(GroupIconEntry)) return entries;
    for (WORD i = 0; i < count; ++i) {
        GroupIconEntry e;
        memcpy(&e, bytes.data() + 6 + i * sizeof e, sizeof e);
        entries.push_back(e);
    }
    return entries;
}

namespace {

VersionNode ParseVersionNode(Reader& r, size_t end, bool& ok) {
    VersionNode node;
    size_t start = r.Offset();
    WORD length = r.Word();
    WORD valueLength = r.Word();
    node.type = r.Word();
    node.key = ToCp932(r.Wide());
    r.Align(4);
    size_t nodeEnd = start + length;
    if (r.Failed() || length < 6 || nodeEnd > end) {
        ok = false;
        return node;
    }
    if (node.type == 1) {
        std::string raw = r.Take(valueLength * 2u);
        std::wstring text;
        for (size_t i = 0; i + 1 < raw.size(); i += 2)
            text += static_cast<wchar_t>(static_cast<BYTE>(raw[i]) | static_cast<BYTE>(raw[i + 1]) << 8);
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        node.value = ToCp932(text);
    } else {
        node.value = r.Take(valueLength);
    }
    r.Align(4);
    while (ok && r.Offset() < nodeEnd) {
        node.children.push_back(ParseVersionNode(r, nodeEnd, ok));
        r.Align(4);
    }
    if (r.Failed()) ok = false;
    r.Seek(nodeEnd);
    return node;
}

}  // namespace

VersionNode ParseVersion(const std::string& bytes) {
    Reader r(bytes);
    bool ok = true;
    VersionNode root = ParseVersionNode(r, bytes.size(), ok);
    if (!ok) root.key.clear();
    return root;
}

}  // namespace zv
