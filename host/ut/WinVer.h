// The version calls: a module file may carry a version block (fixed numbers and string tables by
// language); it is read from the FILE on disk, not from a loaded image, so any module file can be
// asked, loaded or not. GetFileVersionInfoSizeA answers the block's size (0 when the file has
// none or cannot be read), GetFileVersionInfoA copies it into the caller's buffer, which the
// caller owns, and VerQueryValueA finds a value inside that buffer (the pointer it answers points
// into the buffer). The compiler vtrc writes the block from a script's VERSIONINFO statement.
#pragma once
#include "ut/Win32.h"

using UINT = unsigned int;
using PUINT = UINT*;

struct VS_FIXEDFILEINFO {
    DWORD dwSignature;  // 0xFEEF04BD
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;
    DWORD dwFileVersionLS;
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
};

#define VS_FFI_SIGNATURE 0xFEEF04BDu
#define VS_FFI_STRUCVERSION 0x00010000u

extern "C" {
// The size of the file's version block; 0 when it has none. *handle (when given) is set to 0.
DWORD GetFileVersionInfoSizeA(const char* fileName, DWORD* handle);
// Copies the block into data; FALSE when the file has none or size is smaller than the block.
BOOL GetFileVersionInfoA(const char* fileName, DWORD handle, DWORD size, void* data);
// subBlock "\\" answers the VS_FIXEDFILEINFO (length its size in bytes);
// "\\StringFileInfo\\<block>\\<key>" a terminated text (length its characters, terminator
// included); "\\VarFileInfo\\Translation" the language and code page pairs (length in bytes).
// Names compare without regard to case. FALSE (nothing set) when the value is absent or the
// block is not one GetFileVersionInfoA gave.
BOOL VerQueryValueA(const void* block, const char* subBlock, void** buffer, PUINT length);
}
