#include "dxf/DxfReports.h"

namespace vthost {

namespace {
void describeCounts(std::string& out, const char* title, const DxfCounts& counts) {
    for (const auto& [kind, count] : counts)
        out += std::string(title) + " " + kind + ": " + std::to_string(count) + "\n";
}
}  // namespace

int totalOf(const DxfCounts& counts) {
    int total = 0;
    for (const auto& entry : counts) total += entry.second;
    return total;
}

std::string DxfImportReport::describe() const {
    std::string out;
    if (!message.empty()) out += "refused: " + message + "\n";
    describeCounts(out, "imported", imported);
    describeCounts(out, "not carried", notCarried);
    describeCounts(out, "objects not carried", objectsNotCarried);
    out += "blocks: " + std::to_string(blocksDefined) + "\n";
    out += "header variables: " + std::to_string(headerVariables) + "\n";
    return out;
}

std::string DxfExportReport::describe() const {
    std::string out;
    if (!message.empty()) out += "failed: " + message + "\n";
    describeCounts(out, "written", written);
    describeCounts(out, "not carried", notCarried);
    out += "blocks: " + std::to_string(blocksWritten) + "\n";
    return out;
}

}  // namespace vthost
