// The stand-in's process-wide switches, in one place: a host that lacks a function (a hidden
// export), fatal errors a test observes instead of ending the program, saves that fail after a
// number of bytes, a fixed session clock, and the session's settings. Each switch keeps its state
// in the family that owns it; tests set them only through these guards, which restore the
// previous state when they leave scope, so no test leaks a switch into the next.
#pragma once
#include <optional>
#include <string>

#include "rx/Fatal.h"

namespace vthost {

// GetProcAddress answers null for name while the guard lives.
class ScopedHiddenExport {
public:
    explicit ScopedHiddenExport(const char* name);
    ~ScopedHiddenExport();
    ScopedHiddenExport(const ScopedHiddenExport&) = delete;
    ScopedHiddenExport& operator=(const ScopedHiddenExport&) = delete;

private:
    std::string m_name;
};

// Fatal errors go to handler (which must not return) while the guard lives.
class ScopedFatalHandler {
public:
    explicit ScopedFatalHandler(FatalHandler handler);
    ~ScopedFatalHandler();
    ScopedFatalHandler(const ScopedFatalHandler&) = delete;
    ScopedFatalHandler& operator=(const ScopedFatalHandler&) = delete;

private:
    FatalHandler m_previous;
};

// Every save fails once it has written bytes bytes, as a full disk would, while the guard lives.
class ScopedFailingSaves {
public:
    explicit ScopedFailingSaves(long bytes);
    ~ScopedFailingSaves();
    ScopedFailingSaves(const ScopedFailingSaves&) = delete;
    ScopedFailingSaves& operator=(const ScopedFailingSaves&) = delete;
};

// acedSSLength fails for every selection set while the guard lives.
class ScopedFailingSelectionLength {
public:
    ScopedFailingSelectionLength();
    ~ScopedFailingSelectionLength();
    ScopedFailingSelectionLength(const ScopedFailingSelectionLength&) = delete;
    ScopedFailingSelectionLength& operator=(const ScopedFailingSelectionLength&) = delete;
};

// The session clock (a Julian date, read by DATE and $(edtime)) is clock while the guard lives.
class ScopedClock {
public:
    explicit ScopedClock(double (*clock)());
    ~ScopedClock();
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;
};

// The session setting name has value (null: no such setting) while the guard lives.
class ScopedSetting {
public:
    ScopedSetting(const char* name, const char* value);
    ~ScopedSetting();
    ScopedSetting(const ScopedSetting&) = delete;
    ScopedSetting& operator=(const ScopedSetting&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_previous;
};

}  // namespace vthost
