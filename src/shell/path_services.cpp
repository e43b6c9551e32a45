#include "shell/path_services.h"

#include "app/bounded_text.h"
#include "shell/path_text.h"

static const char kBrowseTitle[] = "フォルダを選択してください。";

LPITEMIDLIST ParsePathToIdList(const char* path) {
    IShellFolder* desktop = NULL;
    if (SHGetDesktopFolder(&desktop) != S_OK) return NULL;
    WCHAR widePath[MAX_PATH] = L"";
    MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, path, -1, widePath, ArraySize(widePath));
    LPITEMIDLIST list = NULL;
    ULONG eaten = 0;
    HRESULT hr = desktop->ParseDisplayName(NULL, NULL, widePath, &eaten, &list, NULL);
    if (hr != S_OK) {
        if (list) CoTaskMemFree(list);
        list = NULL;
    }
    desktop->Release();
    return list;
}

// Selects the initial folder once the browser is up; a null list is sent too.
static int CALLBACK BrowseInitCallback(HWND browser, UINT message, LPARAM, LPARAM initialList) {
    if (message == BFFM_INITIALIZED)
        SendMessageA(browser, BFFM_SETSELECTIONA, 0, initialList);
    return 0;
}

int BrowseForFolder(HWND owner, char (&path)[MAX_PATH], const char* initialFolder) {
    LPITEMIDLIST initial = initialFolder ? ParsePathToIdList(initialFolder) : NULL;
    BROWSEINFOA info;
    ZeroMemory(&info, sizeof info);
    info.hwndOwner = owner;
    info.pszDisplayName = path;
    info.lpszTitle = kBrowseTitle;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = BrowseInitCallback;
    info.lParam = reinterpret_cast<LPARAM>(initial);
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    CoTaskMemFree(initial);
    if (!chosen) return 0;
    SHGetPathFromIDListA(chosen, path);
    CoTaskMemFree(chosen);
    return 1;
}

int SpecialFolderPath(HWND owner, int folderId, char (&path)[MAX_PATH]) {
    IMalloc* allocator = NULL;
    if (FAILED(SHGetMalloc(&allocator))) return 0;
    LPITEMIDLIST list = NULL;
    int written = 0;
    if (SHGetSpecialFolderLocation(owner, folderId, &list) == S_OK) {
        // Read into a buffer of our own so that a failed conversion leaves the
        // caller's buffer as it was.
        char found[MAX_PATH] = "";
        if (SHGetPathFromIDListA(list, found) && found[0] != '\0')
            written = CopyText(path, found);
        allocator->Free(list);
    }
    allocator->Release();
    return written;
}

bool ProgramPath(char* path, size_t pathSize) {
    DWORD size = static_cast<DWORD>(pathSize);
    DWORD length = GetModuleFileNameA(NULL, path, size);
    if (length > 0 && length < size) return true;
    if (size > 0) path[0] = '\0';
    return false;
}

bool IsSystemLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != 0; }

bool DirectoryOfPath(const char* path, char* dest, size_t destSize) {
    return DirectoryOfPath(path, dest, destSize, IsSystemLeadByte);
}
