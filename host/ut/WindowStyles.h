// The Win32 window, dialog, control and menu style bits, and the standard dialog command ids,
// with their Win32 values: resource scripts name them (the resource compiler resolves the names
// through vthost::findResourceName) and the dialog framework (host/ui) tests them.
#pragma once

// Windows.
constexpr unsigned WS_OVERLAPPED = 0x00000000u;
constexpr unsigned WS_POPUP = 0x80000000u;
constexpr unsigned WS_CHILD = 0x40000000u;
constexpr unsigned WS_MINIMIZE = 0x20000000u;
constexpr unsigned WS_VISIBLE = 0x10000000u;
constexpr unsigned WS_DISABLED = 0x08000000u;
constexpr unsigned WS_CLIPSIBLINGS = 0x04000000u;
constexpr unsigned WS_CLIPCHILDREN = 0x02000000u;
constexpr unsigned WS_MAXIMIZE = 0x01000000u;
constexpr unsigned WS_CAPTION = 0x00C00000u;
constexpr unsigned WS_BORDER = 0x00800000u;
constexpr unsigned WS_DLGFRAME = 0x00400000u;
constexpr unsigned WS_VSCROLL = 0x00200000u;
constexpr unsigned WS_HSCROLL = 0x00100000u;
constexpr unsigned WS_SYSMENU = 0x00080000u;
constexpr unsigned WS_THICKFRAME = 0x00040000u;
constexpr unsigned WS_GROUP = 0x00020000u;
constexpr unsigned WS_TABSTOP = 0x00010000u;
constexpr unsigned WS_MINIMIZEBOX = 0x00020000u;
constexpr unsigned WS_MAXIMIZEBOX = 0x00010000u;
constexpr unsigned WS_EX_TOOLWINDOW = 0x00000080u;
constexpr unsigned WS_EX_CLIENTEDGE = 0x00000200u;
constexpr unsigned WS_EX_CONTEXTHELP = 0x00000400u;
constexpr unsigned WS_EX_STATICEDGE = 0x00020000u;

// Dialogs.
constexpr unsigned DS_3DLOOK = 0x0004u;
constexpr unsigned DS_FIXEDSYS = 0x0008u;
constexpr unsigned DS_SETFONT = 0x0040u;
constexpr unsigned DS_MODALFRAME = 0x0080u;
constexpr unsigned DS_CENTER = 0x0800u;
constexpr unsigned DS_CONTEXTHELP = 0x2000u;
constexpr unsigned DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS;

// Edit controls.
constexpr unsigned ES_LEFT = 0x0000u;
constexpr unsigned ES_CENTER = 0x0001u;
constexpr unsigned ES_RIGHT = 0x0002u;
constexpr unsigned ES_MULTILINE = 0x0004u;
constexpr unsigned ES_UPPERCASE = 0x0008u;
constexpr unsigned ES_LOWERCASE = 0x0010u;
constexpr unsigned ES_PASSWORD = 0x0020u;
constexpr unsigned ES_AUTOVSCROLL = 0x0040u;
constexpr unsigned ES_AUTOHSCROLL = 0x0080u;
constexpr unsigned ES_NOHIDESEL = 0x0100u;
constexpr unsigned ES_READONLY = 0x0800u;
constexpr unsigned ES_WANTRETURN = 0x1000u;
constexpr unsigned ES_NUMBER = 0x2000u;

// Static controls.
constexpr unsigned SS_LEFT = 0x0000u;
constexpr unsigned SS_CENTER = 0x0001u;
constexpr unsigned SS_RIGHT = 0x0002u;
constexpr unsigned SS_ICON = 0x0003u;
constexpr unsigned SS_BLACKRECT = 0x0004u;
constexpr unsigned SS_GRAYRECT = 0x0005u;
constexpr unsigned SS_WHITERECT = 0x0006u;
constexpr unsigned SS_BLACKFRAME = 0x0007u;
constexpr unsigned SS_LEFTNOWORDWRAP = 0x000Cu;
constexpr unsigned SS_BITMAP = 0x000Eu;
constexpr unsigned SS_ETCHEDHORZ = 0x0010u;
constexpr unsigned SS_ETCHEDFRAME = 0x0012u;
constexpr unsigned SS_TYPEMASK = 0x001Fu;
constexpr unsigned SS_NOPREFIX = 0x0080u;
constexpr unsigned SS_NOTIFY = 0x0100u;
constexpr unsigned SS_CENTERIMAGE = 0x0200u;
constexpr unsigned SS_SUNKEN = 0x1000u;

// Buttons.
constexpr unsigned BS_PUSHBUTTON = 0x0000u;
constexpr unsigned BS_DEFPUSHBUTTON = 0x0001u;
constexpr unsigned BS_CHECKBOX = 0x0002u;
constexpr unsigned BS_AUTOCHECKBOX = 0x0003u;
constexpr unsigned BS_RADIOBUTTON = 0x0004u;
constexpr unsigned BS_3STATE = 0x0005u;
constexpr unsigned BS_AUTO3STATE = 0x0006u;
constexpr unsigned BS_GROUPBOX = 0x0007u;
constexpr unsigned BS_AUTORADIOBUTTON = 0x0009u;
constexpr unsigned BS_OWNERDRAW = 0x000Bu;
constexpr unsigned BS_TYPEMASK = 0x000Fu;
constexpr unsigned BS_LEFTTEXT = 0x0020u;
constexpr unsigned BS_ICON = 0x0040u;
constexpr unsigned BS_BITMAP = 0x0080u;
constexpr unsigned BS_CENTER = 0x0300u;
constexpr unsigned BS_NOTIFY = 0x4000u;
constexpr unsigned BS_FLAT = 0x8000u;

// Combo boxes and list boxes.
constexpr unsigned CBS_SIMPLE = 0x0001u;
constexpr unsigned CBS_DROPDOWN = 0x0002u;
constexpr unsigned CBS_DROPDOWNLIST = 0x0003u;
constexpr unsigned CBS_OWNERDRAWFIXED = 0x0010u;
constexpr unsigned CBS_AUTOHSCROLL = 0x0040u;
constexpr unsigned CBS_SORT = 0x0100u;
constexpr unsigned CBS_HASSTRINGS = 0x0200u;
constexpr unsigned CBS_NOINTEGRALHEIGHT = 0x0400u;
constexpr unsigned CBS_DISABLENOSCROLL = 0x0800u;
constexpr unsigned LBS_NOTIFY = 0x0001u;
constexpr unsigned LBS_SORT = 0x0002u;

// List views and tree views.
constexpr unsigned LVS_ICON = 0x0000u;
constexpr unsigned LVS_REPORT = 0x0001u;
constexpr unsigned LVS_SMALLICON = 0x0002u;
constexpr unsigned LVS_LIST = 0x0003u;
constexpr unsigned LVS_TYPEMASK = 0x0003u;
constexpr unsigned LVS_SINGLESEL = 0x0004u;
constexpr unsigned LVS_SHOWSELALWAYS = 0x0008u;
constexpr unsigned LVS_SORTASCENDING = 0x0010u;
constexpr unsigned LVS_SORTDESCENDING = 0x0020u;
constexpr unsigned LVS_SHAREIMAGELISTS = 0x0040u;
constexpr unsigned LVS_NOLABELWRAP = 0x0080u;
constexpr unsigned LVS_AUTOARRANGE = 0x0100u;
constexpr unsigned LVS_EDITLABELS = 0x0200u;
constexpr unsigned LVS_NOSCROLL = 0x2000u;
constexpr unsigned LVS_NOCOLUMNHEADER = 0x4000u;
constexpr unsigned LVS_NOSORTHEADER = 0x8000u;
constexpr unsigned TVS_HASBUTTONS = 0x0001u;
constexpr unsigned TVS_HASLINES = 0x0002u;
constexpr unsigned TVS_LINESATROOT = 0x0004u;
constexpr unsigned TVS_EDITLABELS = 0x0008u;
constexpr unsigned TVS_DISABLEDRAGDROP = 0x0010u;
constexpr unsigned TVS_SHOWSELALWAYS = 0x0020u;
constexpr unsigned TVS_TRACKSELECT = 0x0200u;
constexpr unsigned TVS_SINGLEEXPAND = 0x0400u;
constexpr unsigned TVS_FULLROWSELECT = 0x1000u;

// Menu items.
constexpr unsigned MF_ENABLED = 0x0000u;
constexpr unsigned MF_STRING = 0x0000u;
constexpr unsigned MF_BYCOMMAND = 0x0000u;
constexpr unsigned MF_GRAYED = 0x0001u;
constexpr unsigned MF_DISABLED = 0x0002u;
constexpr unsigned MF_CHECKED = 0x0008u;
constexpr unsigned MF_POPUP = 0x0010u;
constexpr unsigned MF_MENUBARBREAK = 0x0020u;
constexpr unsigned MF_MENUBREAK = 0x0040u;
constexpr unsigned MF_BYPOSITION = 0x0400u;
constexpr unsigned MF_SEPARATOR = 0x0800u;
constexpr unsigned MF_HELP = 0x4000u;

// Standard dialog command ids.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr int IDHELP = 9;
constexpr int IDC_STATIC = -1;

namespace vthost {
// The value of a style or id name above ("WS_TABSTOP", "IDOK"); false for an unknown name.
bool findResourceName(const char* name, long long& value);
}  // namespace vthost
