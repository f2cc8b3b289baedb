#include "ui/DialogDriver.h"

#include <cstdlib>
#include <map>
#include <sstream>
#include <strings.h>
#include <vector>

#include "ed/CommandLine.h"
#include "ui/Gdi.h"
#include "ui/NativeControls.h"
#include "ut/AcUtil.h"

namespace vthost::ui {

namespace {

int g_modalDepth = 0;
bool g_abandoned = false;
std::function<void(CDialog&)> g_openedHook;
std::map<std::string, DialogActionHandler>& addedActions() {
    static std::map<std::string, DialogActionHandler> actions;
    return actions;
}

std::string lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The words of a line, and what follows the first n words (a text with its blanks).
struct Words {
    std::vector<std::string> words;
    std::vector<std::size_t> starts;
    std::string line;
    explicit Words(const std::string& text) : line(text) {
        for (std::size_t i = 0; i < text.size();) {
            while (i < text.size() && text[i] == ' ') ++i;
            if (i >= text.size()) break;
            std::size_t start = i;
            while (i < text.size() && text[i] != ' ') ++i;
            words.push_back(text.substr(start, i - start));
            starts.push_back(start);
        }
    }
    std::string restFrom(std::size_t word) const { return word < words.size() ? line.substr(starts[word]) : std::string(); }
};

// Drops a leading "dlg".
std::string withoutPrefix(const std::string& line) {
    Words words(line);
    if (!words.words.empty() && lower(words.words[0]) == "dlg") return words.restFrom(1);
    return words.restFrom(0);
}

bool parseInt(const std::string& text, int& value) {
    if (text.empty() || text.size() > 11) return false;
    char* end = nullptr;
    long number = std::strtol(text.c_str(), &end, 10);
    if (end == nullptr || *end != '\0' || number < -2147483647L || number > 2147483647L) return false;
    value = static_cast<int>(number);
    return true;
}

// The index of an item named "#n" or by its text (case-insensitive), or -1.
template <class TextAt>
int itemIndex(const std::string& name, int count, TextAt textAt) {
    int index = -1;
    if (name.size() > 1 && name[0] == '#' && parseInt(name.substr(1), index)) return index >= 0 && index < count ? index : -1;
    for (int i = 0; i < count; ++i)
        if (strcasecmp(textAt(i).c_str(), name.c_str()) == 0) return i;
    return -1;
}

HWND control(HWND dialog, const std::vector<std::string>& words, std::size_t at, std::string& refusal) {
    int id = 0;
    if (at >= words.size() || !parseInt(words[at], id)) {
        refusal = "expected a control id";
        return nullptr;
    }
    HWND window = childWithId(dialog, id);
    if (window == nullptr) {
        refusal = "the dialog has no control " + words[at];
        return nullptr;
    }
    if (window->style & WS_DISABLED) {
        refusal = "control " + words[at] + " is disabled";
        return nullptr;
    }
    if (!(window->style & WS_VISIBLE)) {
        refusal = "control " + words[at] + " is hidden";
        return nullptr;
    }
    return window;
}

bool actText(HWND dialog, const Words& w, std::string& refusal) {
    HWND window = control(dialog, w.words, 1, refusal);
    if (window == nullptr) return false;
    std::string text = w.restFrom(2);
    if (auto* edit = dynamic_cast<EditControl*>(window->native.get())) {
        if (window->style & ES_READONLY) return refusal = "control " + w.words[1] + " is read-only", false;
        edit->type(window, text);
        return true;
    }
    auto* combo = dynamic_cast<ComboBoxControl*>(window->native.get());
    if (combo != nullptr && (window->style & 0x3u) != CBS_DROPDOWNLIST) {
        combo->userType(window, text);
        return true;
    }
    return refusal = "control " + w.words[1] + " takes no typed text", false;
}

bool actSelect(HWND dialog, const Words& w, std::string& refusal, UINT listCode) {
    HWND window = control(dialog, w.words, 1, refusal);
    if (window == nullptr) return false;
    std::string name = w.restFrom(2);
    if (auto* combo = dynamic_cast<ComboBoxControl*>(window->native.get())) {
        int index = itemIndex(name, combo->count(), [&](int i) { return combo->itemText(i); });
        if (index < 0) return refusal = "combo box " + w.words[1] + " has no item \"" + name + "\"", false;
        combo->userSelect(window, index);
        return true;
    }
    if (auto* list = dynamic_cast<ListViewControl*>(window->native.get())) {
        int index = -1;
        if (lower(name) != "none" && !(listCode == NM_RCLICK && name.empty())) {
            index = itemIndex(name, list->count(), [&](int i) { return list->itemText(i); });
            if (index < 0) return refusal = "list " + w.words[1] + " has no row \"" + name + "\"", false;
        }
        list->userClick(window, index, listCode);
        return true;
    }
    if (auto* tree = dynamic_cast<TreeViewControl*>(window->native.get())) {
        std::vector<HTREEITEM> items = tree->items();
        int index = itemIndex(name, static_cast<int>(items.size()), [&](int i) { return items[static_cast<std::size_t>(i)]->text; });
        if (index < 0) return refusal = "tree " + w.words[1] + " has no item \"" + name + "\"", false;
        if (listCode == NM_CLICK)
            tree->userSelect(window, items[static_cast<std::size_t>(index)]);
        else
            tree->userClick(window, items[static_cast<std::size_t>(index)], listCode);
        return true;
    }
    return refusal = "control " + w.words[1] + " has no items to select", false;
}

bool actClick(HWND dialog, const Words& w, std::string& refusal) {
    HWND window = control(dialog, w.words, 1, refusal);
    if (window == nullptr) return false;
    if (auto* button = dynamic_cast<ButtonControl*>(window->native.get())) {
        button->click(window);
        return true;
    }
    if (auto* label = dynamic_cast<StaticControl*>(window->native.get())) {
        label->click(window);
        return true;
    }
    if (w.words.size() > 2) return actSelect(dialog, w, refusal, NM_CLICK);
    return refusal = "control " + w.words[1] + " cannot be clicked", false;
}

bool actDefault(HWND dialog, int id) {
    HWND button = childWithId(dialog, id);
    if (button != nullptr && (button->style & WS_DISABLED)) return true;  // Enter does nothing
    sendMessage(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return true;
}

bool actHelp(HWND dialog) {
    HWND focus = focusWindow();
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = isDescendant(focus, dialog) ? focus->id : dialog->id;
    info.hItemHandle = isDescendant(focus, dialog) ? focus : dialog;
    info.MousePos = cursorPosition();
    sendMessage(dialog, WM_HELPINFO, 0, reinterpret_cast<LPARAM>(&info));
    return true;
}

// The mouse moves to the control's centre, or away from the dialog ("none"): the window that
// has the capture hears the move, else the control under the mouse hears WM_SETCURSOR first.
bool actHover(HWND dialog, const Words& w, std::string& refusal) {
    HWND target = nullptr;
    POINT screen{-10000, -10000};
    if (w.words.size() < 2 || lower(w.words[1]) != "none") {
        target = control(dialog, w.words, 1, refusal);
        if (target == nullptr) return false;
        POINT origin = screenOrigin(target);
        screen = POINT{origin.x + (target->rect.right - target->rect.left) / 2, origin.y + (target->rect.bottom - target->rect.top) / 2};
    }
    setCursorPosition(screen);
    HWND receiver = captureWindow() != nullptr ? captureWindow() : target;
    if (receiver == nullptr) return true;
    if (receiver == target)
        sendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(1 /*HTCLIENT*/, static_cast<WORD>(WM_MOUSEMOVE)));
    POINT origin = screenOrigin(receiver);
    auto x = static_cast<WORD>(static_cast<short>(screen.x - origin.x));
    auto y = static_cast<WORD>(static_cast<short>(screen.y - origin.y));
    if (isWindow(receiver)) sendMessage(receiver, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    return true;
}

bool actMove(HWND dialog, const Words& w, std::string& refusal) {
    int values[4] = {0, 0, 0, 0};
    std::size_t given = w.words.size() - 1;
    if (given != 2 && given != 4) return refusal = "move takes x y, or x y width height", false;
    for (std::size_t i = 0; i < given; ++i)
        if (!parseInt(w.words[i + 1], values[i])) return refusal = "move takes numbers", false;
    CWnd* window = CWnd::FromHandle(dialog);
    window->SetWindowPos(nullptr, values[0], values[1], values[2], values[3], SWP_NOZORDER | (given == 2 ? SWP_NOSIZE : 0u));
    return true;
}

void dumpWindow(HWND window, std::string& out) {
    out += "  " + std::to_string(window->id) + " " + window->className + " \"" + window->text + "\"";
    if (window->style & WS_DISABLED) out += " disabled";
    if (!(window->style & WS_VISIBLE)) out += " hidden";
    if (focusWindow() == window) out += " focus";
    if (window->font != nullptr && fontInfo(window->font).lfWeight >= FW_BOLD) out += " bold";
    if (window->native) out += window->native->dumpState(window);
    out += "\n";
    if (window->native) window->native->dumpDetails(window, out);
}

}  // namespace

std::string dumpDialog(HWND dialog) {
    if (!isWindow(dialog)) return {};
    std::string out = "Dialog " + std::to_string(dialog->id) + " \"" + dialog->text + "\" at " +
                      std::to_string(dialog->rect.left) + "," + std::to_string(dialog->rect.top) + " size " +
                      std::to_string(dialog->rect.right - dialog->rect.left) + "x" +
                      std::to_string(dialog->rect.bottom - dialog->rect.top) + "\n";
    for (const auto& child : dialog->children) dumpWindow(child.get(), out);
    return out;
}

void paintDialog(HWND dialog) {
    for (HWND window : descendants(dialog))
        if (isWindow(window) && window->native) window->native->paint(window);
}

bool performAction(HWND dialog, const std::string& action, std::string& refusal) {
    Words w(withoutPrefix(action));
    if (w.words.empty()) return refusal = "expected a dialog action", false;
    std::string verb = lower(w.words[0]);
    if (verb == "text") return actText(dialog, w, refusal);
    if (verb == "select") return actSelect(dialog, w, refusal, NM_CLICK);
    if (verb == "click") return actClick(dialog, w, refusal);
    if (verb == "rclick") return actSelect(dialog, w, refusal, NM_RCLICK);
    if (verb == "dblclick") return actSelect(dialog, w, refusal, NM_DBLCLK);
    if (verb == "focus") {
        HWND window = control(dialog, w.words, 1, refusal);
        if (window != nullptr) setFocusWindow(window);
        return window != nullptr;
    }
    if (verb == "expand") {
        HWND window = control(dialog, w.words, 1, refusal);
        auto* tree = window != nullptr ? dynamic_cast<TreeViewControl*>(window->native.get()) : nullptr;
        if (tree == nullptr) return refusal.empty() ? (refusal = "control " + w.words[1] + " is no tree", false) : false;
        std::vector<HTREEITEM> items = tree->items();
        int index = itemIndex(w.restFrom(2), static_cast<int>(items.size()), [&](int i) { return items[static_cast<std::size_t>(i)]->text; });
        if (index < 0) return refusal = "tree " + w.words[1] + " has no item \"" + w.restFrom(2) + "\"", false;
        sendMessage(window, TVM_EXPAND, TVE_TOGGLE, reinterpret_cast<LPARAM>(items[static_cast<std::size_t>(index)]));
        return true;
    }
    if (verb == "ok" || verb == "enter")
        return actDefault(dialog, LOWORD(static_cast<DWORD_PTR>(sendMessage(dialog, DM_GETDEFID, 0, 0))));
    if (verb == "cancel" || verb == "esc" || verb == "escape") return actDefault(dialog, IDCANCEL);
    if (verb == "f1" || verb == "help") return actHelp(dialog);
    if (verb == "move") return actMove(dialog, w, refusal);
    if (verb == "hover") return actHover(dialog, w, refusal);
    if (verb == "dump") {
        paintDialog(dialog);
        acutPrintf("\n%s", dumpDialog(dialog).c_str());
        return true;
    }
    if (verb == "menu") return refusal = "no menu is open", false;
    auto added = addedActions().find(verb);
    if (added != addedActions().end()) return added->second(dialog, w.restFrom(1), refusal);
    return refusal = "unknown dialog action \"" + w.words[0] + "\"", false;
}

void addDialogAction(const std::string& verb, DialogActionHandler handler) {
    if (handler != nullptr) addedActions()[lower(verb)] = handler;
}

void whenNextDialogOpens(std::function<void(CDialog&)> action) { g_openedHook = std::move(action); }

void runOpenedHook(CDialog& dialog) {
    if (!g_openedHook) return;
    std::function<void(CDialog&)> hook = std::move(g_openedHook);
    g_openedHook = nullptr;
    hook(dialog);
}

namespace {

// A line of the user's, or false when the input ran out, was cancelled or is abandoned.
bool readLine(const std::string& prompt, std::string& line) {
    if (g_abandoned) return false;
    CommandLine::Read read = commandLine().read(prompt, true, line);
    if (read == CommandLine::Read::kAnswer) return true;
    if (g_modalDepth > 0) g_abandoned = true;
    return false;
}

// A refused answer: asks again interactively; in a script the script stops (false).
bool refuse(const std::string& message) {
    if (!commandLine().reject(message)) return true;
    if (g_modalDepth > 0) g_abandoned = true;
    return false;
}

}  // namespace

bool readAndPerform(HWND dialog) {
    std::string line;
    if (!readLine("\nDialog: ", line)) return false;
    std::string refusal;
    if (performAction(dialog, line, refusal)) return true;
    return refuse(refusal);
}

UINT readMenuChoice(const std::function<bool(UINT, std::string&)>& accept) {
    for (;;) {
        std::string line;
        if (!readLine("\nChoose a menu item: ", line)) return 0;
        Words w(withoutPrefix(line));
        std::size_t first = !w.words.empty() && lower(w.words[0]) == "menu" ? 1 : 0;
        std::string choice = first < w.words.size() ? lower(w.words[first]) : std::string();
        if (choice == "none" || choice == "esc" || choice == "escape" || choice.empty()) return 0;
        int id = 0;
        std::string refusal;
        if (!parseInt(choice, id) || id <= 0) refusal = "expected a menu item id, or none";
        else if (accept(static_cast<UINT>(id), refusal)) return static_cast<UINT>(id);
        if (!refuse(refusal)) return 0;
    }
}

int readMessageBoxAnswer(const std::string& prompt, const std::vector<std::pair<std::string, int>>& buttons,
                         int defaultAnswer, int cancelAnswer) {
    for (;;) {
        std::string line;
        if (!readLine(prompt, line)) return cancelAnswer;
        std::string answer = lower(withoutPrefix(line));
        if (answer.empty()) return defaultAnswer;
        for (const auto& [word, result] : buttons)
            if (answer == lower(word) || (answer.size() == 1 && answer[0] == lower(word)[0])) return result;
        if (!refuse("Answer one of the buttons, or Enter for the default.")) return cancelAnswer;
    }
}

void enterModal() { ++g_modalDepth; }

void leaveModal() {
    if (g_modalDepth > 0) --g_modalDepth;
    if (g_modalDepth == 0) g_abandoned = false;
}

bool inputAbandoned() { return g_abandoned; }

}  // namespace vthost::ui
