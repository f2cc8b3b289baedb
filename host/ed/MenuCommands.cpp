#include "ed/MenuCommands.h"

#include <string>

#include "ed/AcEdCommandStack.h"
#include "ed/CommandLine.h"
#include "ed/CommandRunner.h"
#include "ed/MenuGroups.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

bool ask(const char* prompt, std::string& answer) {
    return commandLine().read(prompt, true, answer) == CommandLine::Read::kAnswer;
}

void reportLoad(MenuLoad outcome, const std::string& name, const std::string& path,
                const std::string& message) {
    switch (outcome) {
        case MenuLoad::kLoaded:
            acutPrintf("\nMenu group %s loaded from %s.", message.c_str(), path.c_str());
            return;
        case MenuLoad::kNotFound: failCommand("Cannot find menu file \"" + name + "\"."); return;
        case MenuLoad::kUnreadable: failCommand("Cannot read menu file " + path + "."); return;
        case MenuLoad::kBadFile: failCommand("Menu file " + path + ": " + message + "."); return;
        case MenuLoad::kAlreadyLoaded: failCommand("Menu group " + message + " is already loaded."); return;
    }
}

void menuLoadCommand() {
    std::string name;
    if (!ask("\nEnter name of menu file to load (or ? to list): ", name)) return;
    if (name == "?") return listMenuGroups();
    std::string path, message;
    MenuLoad outcome = loadMenuGroup(name, path, message);
    reportLoad(outcome, name, path, message);
}

void menuUnloadCommand() {
    std::string group;
    if (!ask("\nEnter the name of a menu group to unload: ", group)) return;
    if (unloadMenuGroup(group)) acutPrintf("\nMenu group %s unloaded.", group.c_str());
    else failCommand("Menu group " + group + " is not loaded.");
}

void menuItemCommand() {
    std::string reference;
    if (!ask("\nMenu item to run (GROUP.POPn.k, or ? to list): ", reference)) return;
    if (reference == "?") return listMenuGroups();
    const MenuItem* item = findMenuItem(reference);
    if (item == nullptr || item->separator()) return failCommand("No menu item " + reference + ".");
    commandLine().pushAnswers(macroAnswers(item->macro), true, true);
}

}  // namespace

void listMenuGroups() {
    if (loadedMenuGroups().empty()) acutPrintf("\nNo menu groups are loaded.");
    for (const LoadedMenu& loaded : loadedMenuGroups()) {
        acutPrintf("\n%s  %s", loaded.menu.group.c_str(), loaded.path.c_str());
        for (const MenuSection& section : loaded.menu.sections) {
            acutPrintf("\n  %s  %s", section.name.c_str(), section.title.c_str());
            for (std::size_t i = 0; i < section.items.size(); ++i)
                acutPrintf("\n    %zu  %s  %s", i + 1, section.items[i].label.c_str(),
                           section.items[i].macro.c_str());
        }
    }
}

void registerMenuCommands() {
    AcEdCommandStack* stack = acedRegCmds;
    stack->addCommand(VTHOST_HOST_GROUP, "MENULOAD", "MENULOAD", ACRX_CMD_SESSION, menuLoadCommand);
    stack->addCommand(VTHOST_HOST_GROUP, "MENUUNLOAD", "MENUUNLOAD", ACRX_CMD_SESSION, menuUnloadCommand);
    stack->addCommand(VTHOST_HOST_GROUP, "MENUITEM", "MENUITEM", ACRX_CMD_SESSION, menuItemCommand);
}

}  // namespace vthost
