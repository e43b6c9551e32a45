#include "verify/check_text.h"

const char kChecksumSuffix[] = ".md5";
const char kErrorsSuffix[] = ".errors.txt";

namespace {

const char* const kVerdictTexts[] = {"", "欠落", "中断", "読取エラー", "不一致"};

bool IsHighSurrogate(uint32_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLowSurrogate(uint32_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

void AppendCodePoint(TextBuilder& text, uint32_t c) {
    if (c < 0x80) {
        text.Append(static_cast<char>(c));
        return;
    }
    int trailing = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    static const uint8_t kLead[] = {0, 0xC0, 0xE0, 0xF0};
    text.Append(static_cast<char>(kLead[trailing] | (c >> (6 * trailing))));
    for (int i = trailing - 1; i >= 0; --i)
        text.Append(static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F)));
}

}  // namespace

FileVerdict JudgeFile(const FileComparison& c) {
    if (c.copyMissing) return FileMissing;
    if (c.cancelled) return FileNotChecked;
    if (c.unreadable) return FileUnreadable;
    return c.differs ? FileDiffers : FileProven;
}

void AppendUtf8(TextBuilder& text, const wchar_t* units, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        uint32_t unit = static_cast<uint32_t>(units[i]) & 0xFFFF;
        uint32_t next = i + 1 < count ? static_cast<uint32_t>(units[i + 1]) & 0xFFFF : 0;
        if (IsHighSurrogate(unit) && IsLowSurrogate(next)) {
            AppendCodePoint(text, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
            ++i;
        } else {
            AppendCodePoint(text, IsHighSurrogate(unit) || IsLowSurrogate(unit) ? 0xFFFD : unit);
        }
    }
}

bool BuildChecksumLine(const uint8_t (&digest)[16], const wchar_t* path, char* line, size_t size) {
    TextBuilder text(line, size);
    for (uint8_t byte : digest) {
        text.Append("0123456789abcdef"[byte >> 4]);
        text.Append("0123456789abcdef"[byte & 15]);
    }
    text.Append(" *");
    AppendUtf8(text, path, wcslen(path));
    return text.Append("\r\n").Ok();
}

bool BuildErrorLine(FileVerdict verdict, const char* path, char* line, size_t size) {
    return TextBuilder(line, size).Append(kVerdictTexts[verdict]).Append('\t').Append(path).Append("\r\n").Ok();
}
