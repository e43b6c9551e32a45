#include "catalog/catalog_text.h"

#include <string.h>

#include "app/bounded_text.h"

const char kCatalogHeader[] =
    "フォルダ,日時,ボリュームラベル,シリアル番号,ファイル数,バイト数,結果\r\n";

namespace {

const char* const kResultTexts[] = {"失敗", "中断", "不足", "照合エラー", "完了", "重複"};

// Comma, double quote, CR and LF are never bytes of a double-byte character
// in code page 932, so fields are read and written byte by byte.

// Length of text up to its first comma or double quote.
size_t PlainLength(const char* text) {
    size_t n = 0;
    while (text[n] != '\0' && text[n] != ',' && text[n] != '"') ++n;
    return n;
}

void AppendField(TextBuilder& line, const char* text) {
    bool quoted = text[PlainLength(text)] != '\0';
    line.Append(',');
    if (quoted) line.Append('"');
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '"') line.Append('"');
        line.Append(*p == '\r' || *p == '\n' ? ' ' : *p);
    }
    if (quoted) line.Append('"');
}

// The low 16 bits of value as four upper-case hex digits.
void AppendHex16(TextBuilder& text, uint32_t value) {
    for (int shift = 12; shift >= 0; shift -= 4) {
        int digit = (value >> shift) & 15;
        text.Append(static_cast<char>(digit < 10 ? '0' + digit : 'A' - 10 + digit));
    }
}

}  // namespace

bool BuildDiscTail(const VolumeIdentity& volume, const TreeTally& tally, CatalogResult result,
                   char* tail, size_t size) {
    TextBuilder text(tail, size);
    char serial[10];
    TextBuilder serialText(serial);
    if (volume.readable) {
        AppendHex16(serialText, volume.serial >> 16);
        serialText.Append('-');
        AppendHex16(serialText, volume.serial);
    }
    AppendField(text, volume.label);
    AppendField(text, serial);
    text.Append(',').AppendNumber(static_cast<int64_t>(tally.files));
    text.Append(',').AppendNumber(static_cast<int64_t>(tally.bytes));
    AppendField(text, kResultTexts[result]);
    return text.Ok();
}

bool BuildCatalogLine(const char* folder, const CalendarTime& t, const char* tail, char* line,
                      size_t size) {
    TextBuilder text(line, size);
    const int parts[] = {t.year, t.month, t.day, t.hour, t.minute, t.second};
    const char separators[] = ",-- ::";  // before each part
    text.Append(folder);
    for (int i = 0; i < 6; ++i) text.Append(separators[i]).AppendNumber(parts[i], i == 0 ? 4 : 2);
    return text.Append(tail).Append("\r\n").Ok();
}

const char* TextBeforeAppend(uint64_t size, char lastByte, const char* header) {
    if (size == 0) return header;
    if (lastByte == '\n') return "";
    return lastByte == '\r' ? "\n" : "\r\n";
}

CatalogReader::CatalogReader(CatalogLineFound found, void* context)
    : found_(found), context_(context), length_(0), skipped_(false) {}

void CatalogReader::Feed(const char* bytes, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        char c = bytes[i];
        if (c == '\n')
            EndLine();
        else if (c == '\0' || length_ + 1 >= CatalogLineSize)
            skipped_ = true;
        else if (!skipped_)
            line_[length_++] = c;
    }
}

void CatalogReader::Finish() {
    if (length_ > 0 || skipped_) EndLine();
}

void CatalogReader::EndLine() {
    size_t length = length_;
    if (length > 0 && line_[length - 1] == '\r') --length;
    line_[length] = '\0';
    if (!skipped_) found_(line_, context_);
    length_ = 0;
    skipped_ = false;
}

void NoteKnownDisc(const char* line, void* context) {
    KnownDiscSearch* search = static_cast<KnownDiscSearch*>(context);
    size_t folderEnd = PlainLength(line);
    if (line[folderEnd] != ',') return;
    size_t timeEnd = folderEnd + 1 + PlainLength(line + folderEnd + 1);
    if (line[timeEnd] != ',' || strcmp(line + timeEnd, search->tail) != 0) return;
    if (folderEnd >= CatalogFolderSize) return;
    memcpy(search->folder, line, folderEnd);
    search->folder[folderEnd] = '\0';
    search->found = true;
}
