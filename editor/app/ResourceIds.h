// The ids of the resource module's strings that the editor application's commands print.
#pragma once

namespace vantorell::res {
// vt_linkcreate
constexpr unsigned kCreateStyleQuestion = 1;
constexpr unsigned kCreateStyleCaption = 2;
constexpr unsigned kCurrentStyle = 3;         // format: one string, the style's name
constexpr unsigned kSourceKeywords = 4;       // global keywords Style Model Paper eXit
constexpr unsigned kSourcePrompt = 5;
constexpr unsigned kLabelPrompt = 7;
constexpr unsigned kLabelKindRequired = 8;    // format: one string, the DXF name of the kind
constexpr unsigned kSourceNotOpened = 9;
constexpr unsigned kExtensionDictionaryNotOpened = 10;
constexpr unsigned kLabelIsSource = 40;
constexpr unsigned kSourcePromptPaper = 41;
constexpr unsigned kPickViewport = 43;
constexpr unsigned kLabelKeywords = 44;       // global keywords Self Model Paper
constexpr unsigned kLabelPromptPaper = 45;
constexpr unsigned kViewportNotOpened = 46;   // format: one string, string 48 or 49
constexpr unsigned kNotAViewport = 47;
constexpr unsigned kForReading = 48;
constexpr unsigned kForWriting = 49;
// style manager
constexpr unsigned kEditorGaveNoStyle = 26;
constexpr unsigned kEditorGaveNoStyleCaption = 27;
constexpr unsigned kNameColumn = 28;
constexpr unsigned kDescriptionColumn = 29;
constexpr unsigned kNoStyleSelected = 30;
constexpr unsigned kNoStyleSelectedCaption = 31;
constexpr unsigned kRowWithoutStyle = 32;
constexpr unsigned kRowWithoutStyleCaption = 33;
constexpr unsigned kConfirmDelete = 34;       // format: one string, the style's name
constexpr unsigned kConfirmDeleteCaption = 35;
constexpr unsigned kStyleInUse = 36;
constexpr unsigned kStyleInUseCaption = 37;
// style editor
constexpr unsigned kNameMissing = 22;
constexpr unsigned kNameMissingCaption = 23;
constexpr unsigned kOptionsIncomplete = 24;
constexpr unsigned kOptionsIncompleteCaption = 25;
constexpr unsigned kNameTaken = 38;           // format: one string, the name
constexpr unsigned kNameTakenCaption = 39;
constexpr unsigned kStyleNotStored = 53;
constexpr unsigned kStyleNotStoredCaption = 54;
// vt_linkremove
constexpr unsigned kNothingSelected = 11;    // no entity could be taken from the selection
constexpr unsigned kNoExtensionDictionary = 12;  // a selected entity that carries no links at all
constexpr unsigned kNoLinksFound = 13;       // none of the selected entities is a source
constexpr unsigned kLinksFound = 14;         // format: one integer
constexpr unsigned kLinksRemoved = 15;       // format: one integer
// application
constexpr unsigned kNotAvailableYet = 51;    // format: one string, the command's name
constexpr unsigned kCommandFailed = 52;      // format: one string, the command's name
}  // namespace vantorell::res
