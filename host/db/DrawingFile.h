// The host's drawing files: a whole database as bytes and back, and safe saving to disk. The
// layout is described in docs/drawing-file.md and, field by field, at the top of
// DrawingWriter.cpp. AcDbDatabase::saveAs and readDwgFile are the public entry points; the
// in-memory ones serve tests and the fuzzers. Not for modules.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "rx/AcadErrorStatus.h"

class AcDbDatabase;

namespace vthost {

// "VTDWG" CR LF SUB: the first bytes of every drawing file (a text-mode copy breaks them).
inline constexpr std::uint8_t kDrawingMagic[8] = {'V', 'T', 'D', 'W', 'G', 0x0D, 0x0A, 0x1A};
// Files of a greater format version are refused (eNotImplementedYet).
inline constexpr std::uint16_t kDrawingFormatVersion = 1;
// The frame's head: the magic, the format version item and the file length item. It is all a
// reader needs to refuse most files without reading further.
inline constexpr std::size_t kFrameHeadSize = sizeof kDrawingMagic + 1 + 2 + 1 + 4;
// The trailer: the UInt32 item that holds the checksum.
inline constexpr std::size_t kTrailerSize = 1 + 4;

// The drawing as file bytes. The database is only read; eOk, or the status of the first object
// that failed to file itself (bytes is then left empty).
Acad::ErrorStatus saveDwgBytes(AcDbDatabase& db, std::vector<std::uint8_t>& bytes);
// Fills an empty database from file bytes; statuses as AcDbDatabase::readDwgFile. On a refusal
// nothing has been added to the database.
Acad::ErrorStatus readDwgBytes(AcDbDatabase& db, const std::vector<std::uint8_t>& bytes);
Acad::ErrorStatus readDwgBytes(AcDbDatabase& db, std::vector<std::uint8_t>&& bytes);

// Checks the frame's head (the first `available` bytes of a file of `fileSize` bytes, at most
// kFrameHeadSize are looked at) in the order the reader does: magic, format version, stated
// length against the real size. eOk and the stated length, or the status the reader answers.
Acad::ErrorStatus checkFrameHead(const std::uint8_t* head, std::size_t available,
                                 std::uint64_t fileSize, std::uint32_t& length);

// Disk entry points behind AcDbDatabase::saveAs and readDwgFile (DrawingFileSave.cpp and
// DrawingFileOpen.cpp); docs/drawing-file.md says what they promise.
Acad::ErrorStatus writeDrawingFile(AcDbDatabase& db, const char* fileName);
Acad::ErrorStatus readDrawingFile(AcDbDatabase& db, const char* fileName);

// For tests: from now on every save fails once it has written `bytes` bytes of its temporary
// file, as on a full disk; -1 lets saves write again.
void failSavesAfterBytes(long bytes);

// CRC-32 (the reflected 0xEDB88320 polynomial), as the file's trailer carries it. Pieces chain:
// crc32(b, nb, crc32(a, na)) is the checksum of a followed by b.
std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t previous = 0);

}  // namespace vthost
