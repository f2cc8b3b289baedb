// hhctrl.ocx, the host's help viewer: a helper module in the host's system folder, reached by
// ordinal as modules reach the platform's help entry. Ordinal 14 is HtmlHelpA. With
// HH_HELP_CONTEXT it reads a help file in the host's own format (ut/HelpFile.h) and shows the
// topic of that context number: its title and text on the command line. The answer is non-null
// when a topic was shown; a file that cannot be read or holds no such context answers null and
// prints the host's line saying so. A path may carry a "::/page" part; it is ignored.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ut/AcUtil.h"
#include "ut/HelpFile.h"
#include "ut/Win32.h"

using HWND = void*;
using UINT = unsigned int;
using DWORD_PTR = std::uintptr_t;

namespace {

constexpr UINT kHelpContext = 15;     // HH_HELP_CONTEXT
constexpr UINT kCloseAll = 0x12;      // HH_CLOSE_ALL
constexpr std::streamoff kMaxHelpFile = 16 << 20;
int g_viewer = 0;  // what a shown topic answers: the viewer "window"

bool readHelp(const std::string& path, std::vector<vthost::HelpTopic>& topics) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in || in.tellg() > kMaxHelpFile) return false;
    in.seekg(0);
    std::ostringstream data;
    data << in.rdbuf();
    return vthost::readHelpFile(data.str(), topics) == vthost::HelpRead::kOk;
}

HWND showContext(const std::string& path, unsigned context) {
    std::vector<vthost::HelpTopic> topics;
    if (!readHelp(path, topics)) {
        acutPrintf("\nCannot open help file %s.", path.c_str());
        return nullptr;
    }
    for (const vthost::HelpTopic& topic : topics) {
        if (topic.context != context) continue;
        acutPrintf("\n%s\n%s", topic.title.c_str(), topic.text.c_str());
        return &g_viewer;
    }
    acutPrintf("\nNo help topic %u in %s.", context, path.c_str());
    return nullptr;
}

}  // namespace

extern "C" HWND HtmlHelpA(HWND, const char* file, UINT command, DWORD_PTR data) {
    if (command == kCloseAll) return nullptr;
    if (command != kHelpContext || file == nullptr) return nullptr;
    std::string path = file;
    path = path.substr(0, path.find("::"));
    return showContext(path, static_cast<unsigned>(data));
}

extern "C" const VthostOrdinal vthost_ordinals[] = {
    {14, reinterpret_cast<FARPROC>(&HtmlHelpA)},
    {0, nullptr},
};
