// The host's main frame window: the top-level window that owns dialogs and message boxes whose
// code names no parent. acedGetAcadFrame never answers null while the host runs: the frame is
// made on first use and lives until the process ends.
#pragma once
#include "ui/CWnd.h"

class CFrameWnd : public CWnd {};
class CMDIFrameWnd : public CFrameWnd {};

CMDIFrameWnd* acedGetAcadFrame();
