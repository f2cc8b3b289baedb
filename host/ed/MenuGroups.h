// vthost::MenuGroups: the menu groups loaded in the session, each the parsed menu file it came
// from. The session owns them from MENULOAD until MENUUNLOAD (or the end of the process). A menu
// file is named without its extension: the host tries kMenuExtensions in order (".mnu", then
// ".mns"), then the name as given. Group names compare case-insensitively. Host-internal.
#pragma once
#include <string>
#include <vector>

#include "ed/MenuFile.h"

namespace vthost {

constexpr const char* kMenuExtensions[] = {".mnu", ".mns"};
// Menu files larger than this are refused unread.
constexpr long kMaxMenuFileSize = 1L << 20;

struct LoadedMenu {
    std::string path;
    MenuFile menu;
};

enum class MenuLoad { kLoaded, kNotFound, kUnreadable, kBadFile, kAlreadyLoaded };

// Loads the menu file name (with the extensions tried); path gets the file read, message the
// parser's complaint for kBadFile or the group for kAlreadyLoaded.
MenuLoad loadMenuGroup(const std::string& name, std::string& path, std::string& message);
bool unloadMenuGroup(const std::string& group);
const LoadedMenu* findMenuGroup(const std::string& group);
const std::vector<LoadedMenu>& loadedMenuGroups();
// The item "GROUP.POPn.k" (k counting items after the title from 1); null when there is none.
const MenuItem* findMenuItem(const std::string& reference);
// A macro as the answers it types: "^C" cancels (dropped at the Command prompt), and a space or
// ';' ends an answer, so "^C^CLINE 0,0 1,1;;" is {"LINE", "0,0", "1,1", ""}; a LISP expression
// "(...)" is one answer up to its closing parenthesis, spaces and all.
std::vector<std::string> macroAnswers(const std::string& macro);
// Drops every group (tests start from nothing).
void unloadAllMenuGroups();

}  // namespace vthost
