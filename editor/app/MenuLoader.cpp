#include "app/MenuLoader.h"

#include "app/VantorellUiApp.h"
#include "ed/AcedMenu.h"
#include "ed/EditorCommands.h"
#include "ed/SystemVariables.h"
#include "ut/AdsCodes.h"

namespace vantorell {

namespace {

// A short system variable, read once; changed and written back only when it was read.
class SavedShort {
public:
    explicit SavedShort(const char* name) : m_name(name) {
        resbuf value{};
        m_read = acedGetVar(name, &value) == RTNORM && value.restype == RTSHORT;
        if (m_read) m_value = value.resval.rint;
    }
    // Sets 0 only when the old value is known, so that it can be put back.
    void silence() const {
        if (m_read) set(0);
    }
    void restore() const {
        if (m_read) set(m_value);
    }

private:
    void set(short value) const {
        resbuf buffer{};
        buffer.restype = RTSHORT;
        buffer.resval.rint = value;
        acedSetVar(m_name, &buffer);
    }
    const char* m_name;
    bool m_read = false;
    short m_value = 0;
};

}  // namespace

int loadMenu() {
    if (acedIsMenuGroupLoaded(kMenuGroup)) return RTNORM;
    SavedShort echo("cmdecho");
    SavedShort dialogs("cmddia");
    echo.silence();
    dialogs.silence();
    CString path = vantorellApp().fileBesideModule(kMenuFile);
    if (!path.IsEmpty()) acedCommand(RTSTR, "_.menuload", RTSTR, path.GetString(), 0);
    echo.restore();
    dialogs.restore();
    return RTNORM;
}

}  // namespace vantorell
