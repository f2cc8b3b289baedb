#include "dialogs/MacroMenu.h"

#include "dialogs/MacroBuilderDialog.h"

namespace vantorell {
namespace {

constexpr UINT kMacroMenu = 2012;
constexpr UINT kMacroBuilderCommand = 32774;

struct PresetMacro {
    UINT command;
    const char* macro;
};

// Scale factors (millimetres to metres, square millimetres to square metres) and unit suffixes.
constexpr PresetMacro kPresets[] = {
    {32775, "$(*,%PROPERTY,0.001)"}, {32776, "$(*,%PROPERTY,1e-6)"}, {32777, "%PROPERTY mm"},
    {32778, "%PROPERTY cm"},         {32779, "%PROPERTY m"},         {32780, "%PROPERTY mm2"},
    {32781, "%PROPERTY cm2"},        {32782, "%PROPERTY m2"},
};

const char* presetMacro(UINT command) {
    for (const PresetMacro& preset : kPresets)
        if (preset.command == command) return preset.macro;
    return nullptr;
}

void runMacroBuilder(CWnd& dialog, int macroFieldId) {
    MacroBuilderDialog builder(&dialog);
    CString macro;
    dialog.GetDlgItemText(macroFieldId, macro);
    builder.SetMacro(macro);
    if (builder.DoModal() == IDOK) dialog.SetDlgItemText(macroFieldId, builder.GetMacro());
}

}  // namespace

void runMacroMenu(MenuButton& button, CWnd& dialog, int macroFieldId) {
    UINT command = button.ShowMenu(kMacroMenu);
    if (command == kMacroBuilderCommand) {
        runMacroBuilder(dialog, macroFieldId);
        return;
    }
    if (const char* macro = presetMacro(command)) dialog.SetDlgItemText(macroFieldId, macro);
}

}  // namespace vantorell
