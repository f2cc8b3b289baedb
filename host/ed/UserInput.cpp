#include "ed/UserInput.h"

#include <cstring>

#include "ap/AcApDocManager.h"
#include "ap/DocumentState.h"
#include "ed/CommandLine.h"
#include "ed/EditorInput.h"
#include "ed/InputParser.h"
#include "ed/InputRequest.h"
#include "ed/SystemVariables.h"

namespace vthost {

namespace {

InputOptions g_options;
AcGePoint3d g_sessionLastPoint;
bool g_sessionHasLastPoint = false;

constexpr std::size_t kMaxString = 131;

int answerKeyword(const InputOptions& options, const std::string& text) {
    int index = options.keywords.match(text);
    if (index >= 0) {
        offerInput(options.keywords.at(index).global.c_str());
        return RTKWORD;
    }
    if (options.flags & RSG_OTHER) {
        offerInput(text.c_str());
        return RTKWORD;
    }
    return RTNONE;
}

std::optional<std::string> checkNumber(double value, int flags) {
    if ((flags & RSG_NOZERO) && value == 0.0) return std::string("Value must be nonzero.");
    if ((flags & RSG_NONEG) && value < 0.0) return std::string("Value must be positive.");
    return std::nullopt;
}

void copyText(const std::string& text, char* result) {
    std::size_t length = std::min(text.size(), kMaxString);
    std::memcpy(result, text.data(), length);
    result[length] = '\0';
}

}  // namespace

InputOptions takeInputOptions() {
    InputOptions taken = std::move(g_options);
    g_options = InputOptions{};
    return taken;
}

void setInputOptions(InputOptions options) { g_options = std::move(options); }

int askUser(const InputRequest& request) { return askUser(request, takeInputOptions()); }

int askUser(const InputRequest& request, const InputOptions& options) {
    clearInput();
    for (;;) {
        std::string text;
        CommandLine::Read read = commandLine().read(request.prompt ? request.prompt : "",
                                                    request.wholeLine, text);
        if (read != CommandLine::Read::kAnswer) return RTCAN;
        if (text.empty() && !request.enterIsValue) {
            if (!(options.flags & RSG_NONULL)) return RTNONE;
            if (commandLine().reject("Requires a value.")) return RTCAN;
            continue;
        }
        std::optional<std::string> refusal = request.interpret(text);
        if (!refusal) return RTNORM;
        int keyword = answerKeyword(options, text);
        if (keyword == RTKWORD) return RTKWORD;
        if (commandLine().reject(*refusal)) return RTCAN;
    }
}

bool lastPoint(AcGePoint3d& point) {
    if (AcApDocument* doc = acDocManager ? acDocManager->curDocument() : nullptr) {
        point = doc->state().lastPoint;
        return doc->state().hasLastPoint;
    }
    point = g_sessionLastPoint;
    return g_sessionHasLastPoint;
}

void setLastPoint(const AcGePoint3d& point) {
    if (AcApDocument* doc = acDocManager ? acDocManager->curDocument() : nullptr) {
        doc->state().lastPoint = point;
        doc->state().hasLastPoint = true;
        return;
    }
    g_sessionLastPoint = point;
    g_sessionHasLastPoint = true;
}

void setErrno(short value) {
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = value;
    acedSetVar("ERRNO", &rb);
}

}  // namespace vthost

using namespace vthost;

int acedInitGet(int val, const char* kwl) {
    InputOptions options;
    options.flags = val;
    if (kwl != nullptr && !options.keywords.parse(kwl)) {
        g_options = InputOptions{};
        return RTERROR;
    }
    g_options = std::move(options);
    return RTNORM;
}

int acedGetPoint(const ads_point, const char* prompt, ads_point result) {
    if (result == nullptr) return RTERROR;
    AcGePoint3d point;
    InputRequest request{prompt, false, false, [&](const std::string& text) -> std::optional<std::string> {
        AcGePoint3d last;
        bool hasLast = lastPoint(last);
        if (!parsePoint(text, hasLast ? &last : nullptr, point)) return std::string("Invalid point.");
        return std::nullopt;
    }};
    int status = askUser(request);
    if (status != RTNORM) return status;
    setLastPoint(point);
    result[0] = point.x, result[1] = point.y, result[2] = point.z;
    return RTNORM;
}

int acedGetInt(const char* prompt, int* result) {
    if (result == nullptr) return RTERROR;
    int value = 0;
    InputOptions options = takeInputOptions();
    InputRequest request{prompt, false, false, [&](const std::string& text) -> std::optional<std::string> {
        if (!parseInteger(text, value)) return std::string("Requires an integer between -32768 and 32767.");
        return checkNumber(value, options.flags);
    }};
    int status = askUser(request, options);
    if (status == RTNORM) *result = value;
    return status;
}

int acedGetReal(const char* prompt, ads_real* result) {
    if (result == nullptr) return RTERROR;
    double value = 0.0;
    InputOptions options = takeInputOptions();
    InputRequest request{prompt, false, false, [&](const std::string& text) -> std::optional<std::string> {
        if (!parseReal(text, value)) return std::string("Requires a number.");
        return checkNumber(value, options.flags);
    }};
    int status = askUser(request, options);
    if (status == RTNORM) *result = value;
    return status;
}

// A distance typed as a number, or as a second point whose distance from pt counts.
int acedGetDist(const ads_point pt, const char* prompt, ads_real* result) {
    if (result == nullptr) return RTERROR;
    double value = 0.0;
    InputOptions options = takeInputOptions();
    InputRequest request{prompt, false, false, [&](const std::string& text) -> std::optional<std::string> {
        AcGePoint3d second, last;
        bool hasLast = lastPoint(last);
        if (!parseReal(text, value)) {
            if (pt == nullptr || !parsePoint(text, hasLast ? &last : nullptr, second))
                return std::string("Requires a distance or a point.");
            value = second.distanceTo(AcGePoint3d(pt[0], pt[1], pt[2]));
        }
        return checkNumber(value, options.flags);
    }};
    int status = askUser(request, options);
    if (status == RTNORM) *result = value;
    return status;
}

int acedGetString(int cronly, const char* prompt, char* result) {
    if (result == nullptr) return RTERROR;
    takeInputOptions();
    std::string value;
    InputRequest request{prompt, cronly != 0, true, [&](const std::string& text) -> std::optional<std::string> {
        value = text;
        return std::nullopt;
    }};
    int status = askUser(request, InputOptions{});
    if (status == RTNORM) copyText(value, result);
    return status;
}

int acedGetKword(const char* prompt, char* result) {
    if (result == nullptr) return RTERROR;
    InputOptions options = takeInputOptions();
    if (options.keywords.empty() && !(options.flags & RSG_OTHER)) return RTERROR;
    InputRequest request{prompt, false, false, [](const std::string&) -> std::optional<std::string> {
        return std::string("Invalid option keyword.");
    }};
    int status = askUser(request, options);
    if (status != RTKWORD) return status;
    acedGetInput(result);
    return RTNORM;
}
