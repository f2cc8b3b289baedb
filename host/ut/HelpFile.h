// vthost help files: the host's own compiled help format, what its help viewer (the helper
// module hhctrl.ocx) reads, and the text source that vtrc compiles into it.
//
// Source text (one topic per TOPIC line, its text the lines up to the next one; "#" comments):
//   TOPIC <context 1..4294967295> <title>
//   <text lines>
//
// Compiled file, all numbers little-endian 32-bit:
//   "VTHELP" 0 0             magic (8 bytes)
//   version                  kHelpFileVersion; a newer version is refused
//   count                    number of topics
//   count x { context, title length, text length, title bytes, text bytes }
// A compiled file is stored data: a damaged one (short, lengths past its end, too many topics) is
// refused, never read past its end. Pure; host-internal.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vthost {

constexpr unsigned kHelpFileVersion = 1;
constexpr std::size_t kMaxHelpTopics = 100000;

struct HelpTopic {
    unsigned context = 0;
    std::string title;
    std::string text;
};

enum class HelpRead { kOk, kNotHelp, kNewerVersion, kDamaged };

// The source text; false with error "line <n>: <what>".
bool readHelpSource(std::string_view text, std::vector<HelpTopic>& topics, std::string& error);
std::string writeHelpFile(const std::vector<HelpTopic>& topics);
HelpRead readHelpFile(std::string_view data, std::vector<HelpTopic>& topics);

}  // namespace vthost
