// The DXF text's groups (a group code line, then a value line) handed to dxflib one at a time.
// Every group is checked before dxflib sees it, so that damaged or hostile text is refused with a
// clear message instead of reaching the library: group codes must be numbers in range, values of
// real and integer codes must be finite numbers, no value may exceed dxflib's line length, counts
// that make dxflib allocate (polyline vertices, spline points, leader vertices) may not exceed
// what the rest of the text could hold, and the text must end with its EOF group.
// The feed also keeps the raw groups of the record being read (DxfRawRecord), for what dxflib
// does not pass on.
#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rx/AcadErrorStatus.h"

class DL_Dxf;
class DL_CreationInterface;

namespace vthost {

// One record (entity, table entry, object) as written: its kind, the section it is in and the
// groups after its group 0, in order.
struct DxfRawRecord {
    std::string section;
    std::string kind;
    std::vector<std::pair<int, std::string>> groups;

    // The first value of code, or null.
    const std::string* find(int code) const;
    double real(int code, double fallback) const;
    int integer(int code, int fallback) const;
    std::string text(int code) const;
};

// Receives the record that just ended, after dxflib has made its calls for it.
class DxfRecordListener {
public:
    virtual ~DxfRecordListener() = default;
    // The raw record dxflib is reading now (valid inside dxflib's calls).
    virtual void setCurrentRecord(const DxfRawRecord* record) = 0;
    virtual void recordEnded(const DxfRawRecord& record) = 0;
};

// Feeds text to dxf, whose calls go to receiver. eOk, eInvalidInput or eEndOfFile (with message).
Acad::ErrorStatus feedDxfGroups(std::string_view text, DL_Dxf& dxf,
                                DL_CreationInterface& receiver, DxfRecordListener& listener,
                                std::string& message);

}  // namespace vthost
