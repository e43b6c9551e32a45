#include "copy/source_ready.h"

#include <windows.h>
#include <shlobj.h>

#include "shell/path_services.h"

namespace {

// Lists the bound folder with the desktop window as owner, so that the shell
// may show a prompt of its own; only S_OK counts.
bool CanList(IShellFolder* folder) {
    IEnumIDList* items = NULL;
    HRESULT hr = folder->EnumObjects(GetDesktopWindow(),
                                     SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN,
                                     &items);
    if (items) items->Release();
    return hr == S_OK;
}

bool CanBindAndList(IShellFolder* desktop, LPCITEMIDLIST item) {
    IShellFolder* folder = NULL;
    if (FAILED(desktop->BindToObject(item, NULL, IID_IShellFolder,
                                     reinterpret_cast<void**>(&folder))) || !folder)
        return false;
    bool listed = CanList(folder);
    folder->Release();
    return listed;
}

}  // namespace

int SourceIsReady(const char* path) {
    IMalloc* allocator = NULL;
    if (FAILED(SHGetMalloc(&allocator))) return 0;
    IShellFolder* desktop = NULL;
    if (FAILED(SHGetDesktopFolder(&desktop))) {
        allocator->Release();
        return 0;
    }
    int ready = 0;
    LPITEMIDLIST item = ParsePathToIdList(path);
    if (item) {
        ready = CanBindAndList(desktop, item) ? 1 : 0;
        allocator->Free(item);
    }
    desktop->Release();
    allocator->Release();
    return ready;
}
