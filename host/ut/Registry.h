// The settings store's Win32 calls: modules read settings with RegOpenKeyExA / RegQueryValueExA /
// RegCloseKey; the host (and tests seeding settings) write with RegCreateKeyExA / RegSetValueExA.
// A key handle from RegOpenKeyExA or RegCreateKeyExA belongs to the caller until RegCloseKey; the
// predefined roots need no closing. Strings read out are always terminated: their size counts the
// terminator even when the stored text had none. Answers are Win32 error codes.
#pragma once
#include <cstdint>

#include "ut/Win32.h"

struct VthostRegistryKey;
using HKEY = VthostRegistryKey*;
using PHKEY = HKEY*;
using LONG = long;
using REGSAM = DWORD;
using LPDWORD = DWORD*;
using BYTE = unsigned char;
using LPBYTE = BYTE*;

#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000000u)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u)))
#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_ALL_ACCESS 0xF003F
#define REG_NONE 0
#define REG_SZ 1
#define REG_DWORD 4
#define REG_CREATED_NEW_KEY 1
#define REG_OPENED_EXISTING_KEY 2
#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_MORE_DATA 234L

extern "C" {
LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD options, REGSAM desired, PHKEY result);
LONG RegCreateKeyExA(HKEY key, const char* subKey, DWORD reserved, char* keyClass, DWORD options,
                     REGSAM desired, const void* security, PHKEY result, LPDWORD disposition);
// valueName null or "" is the key's default value. With data null, *size gets the size needed;
// a buffer too small answers ERROR_MORE_DATA with the size needed in *size.
LONG RegQueryValueExA(HKEY key, const char* valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD size);
LONG RegSetValueExA(HKEY key, const char* valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD size);
LONG RegCloseKey(HKEY key);
}
