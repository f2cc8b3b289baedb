#include "boot/Switches.h"

#include "db/DrawingFile.h"
#include "ed/EditorInput.h"
#include "ed/SelectionSwitches.h"
#include "ed/SystemVariables.h"
#include "ut/Win32.h"

namespace vthost {

ScopedHiddenExport::ScopedHiddenExport(const char* name) : m_name(name) { hideExport(name); }
ScopedHiddenExport::~ScopedHiddenExport() { unhideExport(m_name.c_str()); }

ScopedFatalHandler::ScopedFatalHandler(FatalHandler handler)
    : m_previous(setFatalHandler(handler)) {}
ScopedFatalHandler::~ScopedFatalHandler() { setFatalHandler(m_previous); }

ScopedFailingSaves::ScopedFailingSaves(long bytes) { failSavesAfterBytes(bytes); }
ScopedFailingSaves::~ScopedFailingSaves() { failSavesAfterBytes(-1); }

ScopedFailingSelectionLength::ScopedFailingSelectionLength() { failSelectionLength(true); }
ScopedFailingSelectionLength::~ScopedFailingSelectionLength() { failSelectionLength(false); }

ScopedClock::ScopedClock(double (*clock)()) { setJulianClock(clock); }
ScopedClock::~ScopedClock() { setJulianClock(nullptr); }

ScopedSetting::ScopedSetting(const char* name, const char* value) : m_name(name) {
    if (const char* previous = settingValue(name)) m_previous = previous;
    setSetting(name, value);
}
ScopedSetting::~ScopedSetting() {
    setSetting(m_name.c_str(), m_previous ? m_previous->c_str() : nullptr);
}

}  // namespace vthost
