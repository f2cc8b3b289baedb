// The host's menu commands, registered in the host's group as session commands:
//   MENULOAD    asks for a menu file on the command line (always: there is no dialog, so it reads
//               the same way through acedCommand and with CMDDIA 0) and loads its group; "?"
//               lists the loaded groups
//   MENUUNLOAD  asks for a group name and unloads it
//   MENUITEM    lists the groups ("?") or runs an item named GROUP.POPn.k: its macro's answers are
//               typed at the Command prompt once MENUITEM has ended
// Host-internal.
#pragma once

namespace vthost {
void registerMenuCommands();
// Prints every loaded group with its sections and numbered items.
void listMenuGroups();
}  // namespace vthost
