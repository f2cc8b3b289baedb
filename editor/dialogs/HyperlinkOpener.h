// Opening a hyperlink's target: through the shell, and when the shell cannot, through the program
// registered for ".htm" documents. The fallback builds its command line in growable strings and
// runs only web and mail addresses (http, https, mailto) that hold no blank, quote or control
// character, so the target is always one argument of the registered program and can never add
// arguments or commands of its own. Also the user's texts for a failed open.
#pragma once
#include <string>

namespace vantorell {

// The shell's result (more than 32 is success), or the fallback's WinExec result when the shell
// failed and a usable ".htm" association exists.
int openHyperlink(const std::string& target, int show);

// Whether the fallback may run target: an http, https or mailto address of printable characters
// without blanks or double quotes.
bool isFallbackTarget(const std::string& target);

// The registered ".htm" command line with the target put in place of its "%1": cut from the
// first "%1" in double quotes (the opening quote included), else from the first "%1", trailing
// blanks removed, then a blank and the target. Empty when the target may not be run this way.
std::string fallbackCommandLine(const std::string& registered, const std::string& target);

// "Unable to open hyperlink:\n\n" followed by the text for the result code.
std::string hyperlinkFailureMessage(int code);

}  // namespace vantorell
