#include "verify/md5_hash.h"

#include <wincrypt.h>

namespace {

typedef BOOL(WINAPI* AcquireContext)(HCRYPTPROV*, LPCSTR, LPCSTR, DWORD, DWORD);
typedef BOOL(WINAPI* CreateHash)(HCRYPTPROV, ALG_ID, HCRYPTKEY, DWORD, HCRYPTHASH*);
typedef BOOL(WINAPI* HashData)(HCRYPTHASH, const BYTE*, DWORD, DWORD);
typedef BOOL(WINAPI* GetHashParam)(HCRYPTHASH, DWORD, BYTE*, DWORD*, DWORD);
typedef BOOL(WINAPI* DestroyHash)(HCRYPTHASH);
typedef BOOL(WINAPI* ReleaseContext)(HCRYPTPROV, DWORD);

enum { Acquire, Create, Hash, Get, Destroy, Release, FunctionCount };
const char* const kNames[FunctionCount] = {"CryptAcquireContextA", "CryptCreateHash",
                                           "CryptHashData",        "CryptGetHashParam",
                                           "CryptDestroyHash",     "CryptReleaseContext"};
FARPROC gFunctions[FunctionCount];
HCRYPTPROV gProvider;
bool gTried;

template <typename Function>
Function Take(int which) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(gFunctions[which]));
}

// All six functions and the context, or none.
bool HaveProvider() {
    if (gTried) return gProvider != 0;
    gTried = true;
    HMODULE advapi = GetModuleHandleA("advapi32.dll");
    for (int i = 0; i < FunctionCount; ++i)
        if (!advapi || !(gFunctions[i] = GetProcAddress(advapi, kNames[i]))) return false;
    if (!Take<AcquireContext>(Acquire)(&gProvider, NULL, NULL, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT))
        gProvider = 0;
    return gProvider != 0;
}

}  // namespace

ULONG_PTR BeginMd5() {
    HCRYPTHASH hash = 0;
    if (!HaveProvider() || !Take<CreateHash>(Create)(gProvider, CALG_MD5, 0, 0, &hash)) return 0;
    return hash;
}

bool AddToMd5(ULONG_PTR hash, const void* bytes, DWORD count) {
    return hash && Take<HashData>(Hash)(hash, static_cast<const BYTE*>(bytes), count, 0);
}

bool EndMd5(ULONG_PTR hash, uint8_t (&digest)[16]) {
    if (!hash) return false;
    DWORD size = sizeof digest;
    bool got = Take<GetHashParam>(Get)(hash, HP_HASHVAL, digest, &size, 0) && size == sizeof digest;
    Take<DestroyHash>(Destroy)(hash);
    return got;
}

void EndHashing() {
    if (gProvider) Take<ReleaseContext>(Release)(gProvider, 0);
    gProvider = 0;
    gTried = false;
}
