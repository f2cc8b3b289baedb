// The host's drawing files: a whole database as bytes and back, and safe saving to disk. The
// layout is described in docs/drawing-file.md and, field by field, at the top of
// DrawingWriter.cpp. AcDbDatabase::saveAs and readDwgFile are the public entry points; the
// in-memory ones serve tests and the fuzzers. Not for modules.
#pragma once
#include <cstdint>
#include <vector>

#include "rx/AcadErrorStatus.h"

class AcDbDatabase;

namespace vthost {

// "VTDWG" CR LF SUB: the first bytes of every drawing file (a text-mode copy breaks them).
inline constexpr std::uint8_t kDrawingMagic[8] = {'V', 'T', 'D', 'W', 'G', 0x0D, 0x0A, 0x1A};
// Files of a greater format version are refused (eNotImplementedYet).
inline constexpr std::uint16_t kDrawingFormatVersion = 1;

// The drawing as file bytes. The database is only read; eOk, or the status of the first object
// that failed to file itself (bytes is then left empty).
Acad::ErrorStatus saveDwgBytes(AcDbDatabase& db, std::vector<std::uint8_t>& bytes);
// Fills an empty database from file bytes; statuses as AcDbDatabase::readDwgFile. On a refusal
// nothing has been added to the database.
Acad::ErrorStatus readDwgBytes(AcDbDatabase& db, const std::vector<std::uint8_t>& bytes);
Acad::ErrorStatus readDwgBytes(AcDbDatabase& db, std::vector<std::uint8_t>&& bytes);

Acad::ErrorStatus writeDrawingFile(AcDbDatabase& db, const char* fileName);
Acad::ErrorStatus readDrawingFile(AcDbDatabase& db, const char* fileName);

// For tests: from now on every save fails once it has written `bytes` bytes of its temporary
// file, as on a full disk; -1 lets saves write again.
void failSavesAfterBytes(long bytes);

// CRC-32 (the reflected 0xEDB88320 polynomial), as the file's trailer carries it.
std::uint32_t crc32(const std::uint8_t* data, std::size_t size);

}  // namespace vthost
