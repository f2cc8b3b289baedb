// vthost::ResourceScript: the resource compiler's (vtrc's) source text and what it compiles to.
// The text is a list of blocks, each a resource kind with its entries between BEGIN and END
// ('{' and '}' also do); today the one kind is the string table:
//
//   // a comment (also "#" at the start of a line)
//   STRINGTABLE
//   BEGIN
//       1000  "Vantorell"
//       1001  "Link ""%s"" created.\n"      doubled quotes and \" stand for a quote;
//   END                                      \n \t \\ \r \0ooo (octal) are escapes
//
// Ids are 0..65535 and unique across the tables of one script; a text is at most
// kMaxResourceString characters. Other kinds (DIALOG, MENU, BITMAP, VERSIONINFO) get their own
// block readers next to readStringTable; until then they are refused by name. The script is input
// from anywhere: every refusal names its line. writeResourceSource turns a script into the C++
// source of the resource module's exported table (ut/ResourceTable.h). Host-internal.
#pragma once
#include <map>
#include <string>
#include <string_view>

namespace vthost {

constexpr std::size_t kMaxResourceString = 4096;

struct ResourceScript {
    std::map<unsigned, std::string> strings;
};

// False with error "line <n>: <what>".
bool readResourceScript(std::string_view text, ResourceScript& script, std::string& error);
std::string writeResourceSource(const ResourceScript& script);

}  // namespace vthost
