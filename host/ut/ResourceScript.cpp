#include "ut/ResourceScript.h"

#include <cctype>
#include <cstdio>

#include "ut/ResourceScriptLines.h"

namespace vthost {

namespace {

using rc::fail;
using rc::Lines;

constexpr const char* kKinds = "(this compiler reads STRINGTABLE, DIALOG, DIALOGEX, MENU, BITMAP, CURSOR and VERSIONINFO)";

bool readId(std::string_view& line, unsigned& id) {
    std::size_t digits = 0;
    unsigned long value = 0;
    while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits])) && digits < 6)
        value = value * 10 + static_cast<unsigned long>(line[digits++] - '0');
    if (digits == 0 || value > 65535 || (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))))
        return false;
    id = static_cast<unsigned>(value);
    line.remove_prefix(digits);
    return true;
}

// A quoted text that ends the line; false with what is wrong.
bool readText(std::string_view line, std::string& text, std::string& what) {
    std::size_t i = 0;
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
    if (i >= line.size() || line[i] != '"') return what = "a string id without a quoted text", false;
    for (++i; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') c = line[++i];
        else if (c == '"') break;
        else if (c == '\\' && i + 1 < line.size()) c = rc::escaped(line, ++i);
        text.push_back(c);
        if (text.size() > kMaxResourceString) return what = "a text longer than " + std::to_string(kMaxResourceString), false;
    }
    if (i >= line.size()) return what = "an unterminated text", false;
    if (i + 1 != line.size()) return what = "something after the text", false;
    return true;
}

bool readStringTable(Lines& lines, ResourceScript& script, std::string& error) {
    std::string_view line;
    if (!lines.next(line) || !rc::isBegin(line)) return fail(lines, "STRINGTABLE without BEGIN", error);
    while (lines.next(line)) {
        if (rc::isEnd(line)) return true;
        unsigned id = 0;
        std::string text, what;
        if (!readId(line, id)) return fail(lines, "a string id that is not a number 0..65535", error);
        if (!readText(line, text, what)) return fail(lines, what, error);
        if (!script.strings.emplace(id, std::move(text)).second)
            return fail(lines, "string id " + std::to_string(id) + " appears twice", error);
    }
    return fail(lines, "STRINGTABLE without END", error);
}

template <class Map>
bool isNew(const Map& map, unsigned id, const char* kind, const Lines& lines, std::string& error) {
    if (map.count(id) == 0) return true;
    return fail(lines, std::string(kind) + " id " + std::to_string(id) + " appears twice", error);
}

// "<id> DIALOG|DIALOGEX|MENU|BITMAP ..." (the statement's first line is already split).
bool readResource(Lines& lines, rc::Tokens& tokens, ResourceScript& script, std::string& error,
                  const ResourceFileReader& readFile) {
    std::string what;
    long long id = 0;
    if (!tokens.peek(rc::Token::kNumber)) return false;
    if (!tokens.number(id, 0, 65535, "a resource id", what)) return fail(lines, what, error);
    std::string kind;
    if (!tokens.name(kind)) return fail(lines, "a resource id without a resource kind", error);
    auto key = static_cast<unsigned>(id);
    if (kind == "DIALOG" || kind == "DIALOGEX") {
        if (!isNew(script.dialogs, key, "dialog", lines, error)) return false;
        DialogScript dialog;
        if (!rc::readDialog(lines, tokens, dialog, error)) return false;
        script.dialogs.emplace(key, std::move(dialog));
        return true;
    }
    if (kind == "MENU") {
        if (!isNew(script.menus, key, "menu", lines, error)) return false;
        if (!tokens.atEnd()) return fail(lines, "something after MENU", error);
        std::vector<MenuItemScript> items;
        if (!rc::readMenu(lines, items, error)) return false;
        script.menus.emplace(key, std::move(items));
        return true;
    }
    if (kind == "BITMAP") {
        if (!isNew(script.bitmaps, key, "bitmap", lines, error)) return false;
        BitmapScript bitmap;
        if (!rc::readBitmap(tokens, readFile, bitmap, what)) return fail(lines, what, error);
        script.bitmaps.emplace(key, std::move(bitmap));
        return true;
    }
    if (kind == "CURSOR") {
        if (!isNew(script.cursors, key, "cursor", lines, error)) return false;
        CursorScript cursor;
        if (!rc::readCursor(tokens, readFile, cursor, what)) return fail(lines, what, error);
        script.cursors.emplace(key, std::move(cursor));
        return true;
    }
    if (kind == "VERSIONINFO") {
        if (script.version.present) return fail(lines, "a second VERSIONINFO", error);
        return rc::readVersionInfo(lines, tokens, script.version, error);
    }
    return fail(lines, "unknown resource kind \"" + kind.substr(0, 32) + "\" " + kKinds, error);
}

}  // namespace

bool readResourceScript(std::string_view text, ResourceScript& script, std::string& error,
                        const ResourceFileReader& readFile) {
    script = ResourceScript{};
    error.clear();
    Lines lines(text);
    std::string statement;
    rc::Tokens tokens;
    while (lines.nextStatement(statement)) {
        if (statement == "STRINGTABLE") {
            if (!readStringTable(lines, script, error)) return false;
            continue;
        }
        std::string what;
        if (!tokens.split(statement, what)) return fail(lines, what, error);
        if (!readResource(lines, tokens, script, error, readFile)) {
            if (error.empty())
                return fail(lines, "unknown resource kind \"" + statement.substr(0, 32) + "\" " + kKinds, error);
            return false;
        }
    }
    return true;
}

}  // namespace vthost
