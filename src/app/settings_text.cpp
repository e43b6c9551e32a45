#include "app/settings_text.h"

#include "app/bounded_text.h"

bool BuildSettingsPath(const char* folder, char* out, size_t outSize) {
    return TextBuilder(out, outSize).Append(folder).Append('\\').Append("zolvane.ini").Ok();
}

bool QuoteCommand(const char* command, char* out, size_t outSize) {
    return TextBuilder(out, outSize).Append('"').Append(command).Append('"').Ok();
}
