#include "shell/shortcut_writer.h"

#include "app/bounded_text.h"
#include "shell/path_services.h"

static bool Given(const char* text) { return text && text[0] != '\0'; }

static bool FitsPath(const char* path) { return path && BoundedLength(path, MAX_PATH) < MAX_PATH; }

int WriteShortcutWith(IShellLinkA* link, const char* linkPath, const char* targetPath,
                      const char* iconPath, const char* arguments) {
    IPersistFile* file = NULL;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        link->Release();
        return 0;
    }
    // A target without a backslash has no folder: the working directory is
    // then left empty.
    char workingDirectory[MAX_PATH] = "";
    DirectoryOfPath(targetPath, workingDirectory);

    link->SetPath(targetPath);
    link->SetWorkingDirectory(workingDirectory);
    link->SetShowCmd(SW_SHOW);
    if (Given(iconPath)) link->SetIconLocation(iconPath, 0);
    if (Given(arguments)) link->SetArguments(arguments);

    // A link path that does not convert whole is not saved under a cut name.
    WCHAR wideLinkPath[MAX_PATH];
    int converted = MultiByteToWideChar(CP_ACP, 0, linkPath, -1, wideLinkPath,
                                        static_cast<int>(ArraySize(wideLinkPath)));
    HRESULT saved = converted > 0 ? file->Save(wideLinkPath, TRUE) : E_FAIL;

    file->Release();
    link->Release();
    return SUCCEEDED(saved) ? 1 : 0;
}

int WriteShortcut(const char* linkPath, const char* targetPath, const char* iconPath,
                  const char* arguments) {
    if (!FitsPath(linkPath) || !FitsPath(targetPath)) return 0;
    IShellLinkA* link = NULL;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return 0;
    return WriteShortcutWith(link, linkPath, targetPath, iconPath, arguments);
}
