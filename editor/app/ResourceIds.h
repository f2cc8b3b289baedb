// The ids of the resource module's strings that the editor application's commands print.
#pragma once

namespace vantorell::res {
constexpr unsigned kNothingSelected = 11;    // no entity could be taken from the selection
constexpr unsigned kNoExtensionDictionary = 12;  // a selected entity that carries no links at all
constexpr unsigned kNoLinksFound = 13;       // none of the selected entities is a source
constexpr unsigned kLinksFound = 14;         // format: one integer
constexpr unsigned kLinksRemoved = 15;       // format: one integer
constexpr unsigned kNotAvailableYet = 51;    // format: one string, the command's name
constexpr unsigned kCommandFailed = 52;      // format: one string, the command's name
}  // namespace vantorell::res
