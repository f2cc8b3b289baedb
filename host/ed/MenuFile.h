// vthost::MenuFile: the part of the host's menu file format that the host reads, parsed from text.
// The file is stored data from anywhere, so the parser refuses what it does not understand with a
// line number and never reads past its input. The subset, one statement per line:
//
//   // comment                      ignored, as are blank lines
//   ***MENUGROUP=NAME               the group's name (required, before any section; once)
//   ***POP<n>                       starts pull-down section n (0..499); its first item is its title
//   ***<other>                      any other section (toolbars, help strings, ...) is skipped
//   **alias                         a submenu's alias name: ignored
//   [Label]macro                    an item: label and the macro it runs ("[--]" separates)
//   ID_Tag [Label]macro             an item with a name tag in front (kept, not used)
//
// A pull-down's title item has no macro of its own. Lines longer than kMaxMenuLine are refused.
// Pure; host-internal.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vthost {

constexpr std::size_t kMaxMenuLine = 4096;

struct MenuItem {
    std::string tag;
    std::string label;
    std::string macro;
    bool separator() const { return label == "--"; }
};

struct MenuSection {
    std::string name;  // "POP1"
    std::string title;  // label of the first item
    std::vector<MenuItem> items;  // the items after the title
};

struct MenuFile {
    std::string group;
    std::vector<MenuSection> sections;
};

// Parses text into menu; false with error set ("line <n>: <what>").
bool parseMenuFile(std::string_view text, MenuFile& menu, std::string& error);

}  // namespace vthost
