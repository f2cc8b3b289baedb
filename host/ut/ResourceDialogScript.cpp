// Reads a DIALOG or DIALOGEX block: the header's geometry, the optional statements before BEGIN
// (STYLE, EXSTYLE, CAPTION, FONT) and one control per statement up to END.
#include <cstring>

#include "ut/ResourceScriptLines.h"
#include "ut/WindowStyles.h"

namespace vthost::rc {

namespace {

constexpr unsigned kChildVisible = WS_CHILD | WS_VISIBLE;

// A control statement: the class it makes, the style it implies, whether it starts with a text.
struct ControlStatement {
    const char* keyword;
    const char* className;
    unsigned style;
    bool hasText;
};

const ControlStatement kStatements[] = {
    {"LTEXT", "Static", SS_LEFT | WS_GROUP, true},
    {"RTEXT", "Static", SS_RIGHT | WS_GROUP, true},
    {"CTEXT", "Static", SS_CENTER | WS_GROUP, true},
    {"PUSHBUTTON", "Button", BS_PUSHBUTTON | WS_TABSTOP, true},
    {"DEFPUSHBUTTON", "Button", BS_DEFPUSHBUTTON | WS_TABSTOP, true},
    {"GROUPBOX", "Button", BS_GROUPBOX, true},
    {"CHECKBOX", "Button", BS_CHECKBOX | WS_TABSTOP, true},
    {"AUTOCHECKBOX", "Button", BS_AUTOCHECKBOX | WS_TABSTOP, true},
    {"RADIOBUTTON", "Button", BS_RADIOBUTTON, true},
    {"AUTORADIOBUTTON", "Button", BS_AUTORADIOBUTTON, true},
    {"EDITTEXT", "Edit", ES_LEFT | WS_BORDER | WS_TABSTOP, false},
    {"COMBOBOX", "ComboBox", CBS_SIMPLE | WS_TABSTOP, false},
    {"LISTBOX", "ListBox", LBS_NOTIFY | WS_BORDER | WS_VSCROLL, false},
};

bool readGeometry(Tokens& tokens, int* values, std::string& error) {
    const char* names[] = {"x", "y", "width", "height"};
    for (int i = 0; i < 4; ++i) {
        long long value = 0;
        if (i > 0 && !tokens.comma()) return error = std::string("expected ',' before ") + names[i], false;
        if (!tokens.number(value, -32768, 32767, names[i], error)) return false;
        values[i] = static_cast<int>(value);
    }
    return true;
}

bool readControlId(Tokens& tokens, int& id, std::string& error) {
    long long value = 0;
    if (!tokens.number(value, -1, 65535, "a control id", error)) return false;
    id = static_cast<int>(value);
    return true;
}

// The trailing ", style [, exstyle]" of a statement.
bool readOptionalStyles(Tokens& tokens, DialogControlScript& control, std::string& error) {
    if (tokens.comma() && !tokens.style(control.style, error)) return false;
    if (tokens.comma() && !tokens.style(control.exStyle, error)) return false;
    return true;
}

// CONTROL "text", id, class, style, x, y, cx, cy [, exstyle]
bool readGenericControl(Tokens& tokens, DialogControlScript& control, std::string& error) {
    if (tokens.peek(Token::kNumber)) control.text = "#" + std::to_string(tokens.take().number);
    else if (!tokens.text(control.text, "the control's text", error)) return false;
    if (!tokens.comma()) return error = "expected ',' after the control's text", false;
    if (!readControlId(tokens, control.id, error)) return false;
    if (!tokens.comma()) return error = "expected ',' before the window class", false;
    if (!tokens.peek(Token::kText) && !tokens.peek(Token::kName)) return error = "expected a window class", false;
    control.className = tokens.take().text;
    if (control.className.empty() || control.className.size() > 64) return error = "a window class of 1 to 64 characters expected", false;
    if (!tokens.comma()) return error = "expected ',' before the style", false;
    control.style = kChildVisible;
    if (!tokens.style(control.style, error)) return false;
    if (!tokens.comma()) return error = "expected ',' before x", false;
    int geometry[4];
    if (!readGeometry(tokens, geometry, error)) return false;
    control.x = geometry[0], control.y = geometry[1], control.cx = geometry[2], control.cy = geometry[3];
    if (tokens.comma() && !tokens.style(control.exStyle, error)) return false;
    return true;
}

bool readControl(Tokens& tokens, DialogControlScript& control, std::string& error) {
    std::string keyword;
    if (!tokens.name(keyword)) return error = "expected a control statement", false;
    if (keyword == "CONTROL") return readGenericControl(tokens, control, error);
    const ControlStatement* statement = nullptr;
    for (const ControlStatement& s : kStatements)
        if (keyword == s.keyword) statement = &s;
    if (statement == nullptr) return error = "an unknown control statement \"" + keyword + "\"", false;
    control.className = statement->className;
    control.style = kChildVisible | statement->style;
    if (statement->hasText) {
        if (!tokens.text(control.text, "the control's text", error)) return false;
        if (!tokens.comma()) return error = "expected ',' after the control's text", false;
    }
    if (!readControlId(tokens, control.id, error)) return false;
    if (!tokens.comma()) return error = "expected ',' before x", false;
    int geometry[4];
    if (!readGeometry(tokens, geometry, error)) return false;
    control.x = geometry[0], control.y = geometry[1], control.cx = geometry[2], control.cy = geometry[3];
    return readOptionalStyles(tokens, control, error);
}

// STYLE, EXSTYLE, CAPTION, FONT; answers false with error for anything else.
bool readOption(Tokens& tokens, DialogScript& dialog, bool& styled, std::string& error) {
    std::string keyword;
    if (!tokens.name(keyword)) return error = "expected BEGIN or a dialog statement", false;
    if (keyword == "STYLE") {
        dialog.style = 0;
        styled = true;
        return tokens.style(dialog.style, error);
    }
    if (keyword == "EXSTYLE") return tokens.style(dialog.exStyle, error);
    if (keyword == "CAPTION") return tokens.text(dialog.caption, "the caption", error);
    if (keyword == "FONT") {
        long long size = 0;
        if (!tokens.number(size, 1, 72, "a font size", error)) return false;
        if (!tokens.comma()) return error = "expected ',' before the font name", false;
        if (!tokens.text(dialog.fontName, "the font name", error)) return false;
        if (dialog.fontName.size() > 31) return error = "a font name longer than 31 characters", false;
        dialog.fontSize = static_cast<unsigned>(size);
        long long ignored = 0;  // weight, italic, character set
        while (tokens.comma())
            if (!tokens.number(ignored, 0, 1000, "a font attribute", error)) return false;
        return true;
    }
    return error = "an unknown dialog statement \"" + keyword + "\"", false;
}

}  // namespace

bool readDialog(Lines& lines, Tokens& header, DialogScript& dialog, std::string& error) {
    std::string what;
    int geometry[4];
    if (!readGeometry(header, geometry, what)) return fail(lines, what, error);
    dialog.x = geometry[0], dialog.y = geometry[1], dialog.cx = geometry[2], dialog.cy = geometry[3];
    long long helpId = 0;
    if (header.comma() && !header.number(helpId, 0, 0xFFFFFFFFLL, "a help id", what)) return fail(lines, what, error);
    if (!header.atEnd()) return fail(lines, "something after the dialog's geometry", error);

    bool styled = false;
    std::string statement;
    Tokens tokens;
    for (;;) {
        if (!lines.nextStatement(statement)) return fail(lines, "a dialog without BEGIN", error);
        if (isBegin(statement)) break;
        if (!tokens.split(statement, what) || !readOption(tokens, dialog, styled, what)) return fail(lines, what, error);
        if (!tokens.atEnd()) return fail(lines, "something after the statement", error);
    }
    if (!styled) dialog.style = WS_POPUP | WS_BORDER | WS_SYSMENU;
    if (!dialog.caption.empty()) dialog.style |= WS_CAPTION;
    if (dialog.fontSize != 0) dialog.style |= DS_SETFONT;
    while (lines.nextStatement(statement)) {
        if (isEnd(statement)) return true;
        if (dialog.controls.size() >= kMaxDialogControls)
            return fail(lines, "more than " + std::to_string(kMaxDialogControls) + " controls", error);
        DialogControlScript control;
        if (!tokens.split(statement, what) || !readControl(tokens, control, what)) return fail(lines, what, error);
        if (!tokens.atEnd()) return fail(lines, "something after the control", error);
        dialog.controls.push_back(std::move(control));
    }
    return fail(lines, "a dialog without END", error);
}

}  // namespace vthost::rc
