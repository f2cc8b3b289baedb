// The version of a module file, read from the version block the file carries: a value of its
// string table (when a language block and a key are asked for), and the file and product
// versions as "major.minor.build.revision". Plain values; nothing is kept open.
#pragma once
#include <string>

namespace vantorell {

struct VersionRecord {
    std::string value;           // the string table's value; empty when not asked or not found
    std::string fileVersion;     // "1.0.3.17"; empty when the file has no version block
    std::string productVersion;  // "1.0.0.0"; empty when the file has no version block
};

// False (the record empty) when the file has no version block or it cannot be read.
bool readVersionRecord(const std::string& file, VersionRecord& record, const std::string& block = {},
                       const std::string& key = {});

}  // namespace vantorell
