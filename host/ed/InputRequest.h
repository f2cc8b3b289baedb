// vthost::askUser: the loop every input function shares. It takes what acedInitGet set, clears the
// pending keyword text, prints the prompt and reads answers until one is accepted: the caller's
// interpret() takes a value (answering no message) or refuses it (answering the message to show);
// failing that, a keyword of the list answers RTKWORD, and under RSG_OTHER so does any text.
// Enter answers RTNONE unless RSG_NONULL refuses it. Cancel and input that runs out answer RTCAN.
// Host-internal.
#pragma once
#include <functional>
#include <optional>
#include <string>

#include "ed/KeywordList.h"

namespace vthost {

struct InputOptions {
    int flags = 0;
    KeywordList keywords;
};

// What acedInitGet set, which applies to one input call: taking it clears it.
InputOptions takeInputOptions();
void setInputOptions(InputOptions options);

struct InputRequest {
    const char* prompt = nullptr;
    bool wholeLine = false;
    // Enter goes to interpret() as an empty text instead of answering RTNONE.
    bool enterIsValue = false;
    std::function<std::optional<std::string>(const std::string&)> interpret;
};

int askUser(const InputRequest& request);
// The same with the options already taken (entity selection sets ERRNO itself).
int askUser(const InputRequest& request, const InputOptions& options);

}  // namespace vthost
