// The lines a multiline text shows. Its contents lose their format codes: \P (and a line break)
// ends a paragraph, \N too; \~ is a space; \\, \{ and \} are those characters; \U+XXXX is that
// character; \S stacks show as a/b; codes with a value up to ';' (\f \F \H \C \c \W \T \Q \A \p)
// and the underline/overline/strike switches (\L \l \O \o \K \k) are dropped; braces only group.
// Paragraphs are then wrapped at spaces into the text's box width, when it has one.
#pragma once
#include <string>
#include <vector>

namespace vthost {

class TextMetrics;

std::vector<std::string> mtextParagraphs(const std::string& contents);
// The paragraph in lines no wider than width (0: no wrapping) at that text height; a word wider
// than the width keeps a line of its own.
std::vector<std::string> wrappedLines(const std::string& paragraph, double width, double height,
                                      const TextMetrics& metrics);

}  // namespace vthost
