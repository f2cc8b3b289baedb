// Reads a MENU block (POPUP and MENUITEM statements, nested up to kMaxMenuDepth) and a BITMAP
// statement (the .bmp file it names, checked to be a bitmap this host reads).
#include <cstdint>
#include <cstring>

#include "ut/ResourceScriptLines.h"
#include "ut/WindowStyles.h"

namespace vthost::rc {

namespace {

struct MenuOption {
    const char* name;
    unsigned flag;
};

const MenuOption kMenuOptions[] = {
    {"GRAYED", MF_GRAYED},       {"INACTIVE", MF_DISABLED},         {"CHECKED", MF_CHECKED},
    {"MENUBREAK", MF_MENUBREAK}, {"MENUBARBREAK", MF_MENUBARBREAK}, {"HELP", MF_HELP},
};

// The options after an item: names, with or without commas between them.
bool readMenuOptions(Tokens& tokens, unsigned& flags, std::string& what) {
    while (!tokens.atEnd()) {
        tokens.comma();
        std::string name;
        if (!tokens.name(name)) return what = "expected a menu item option", false;
        const MenuOption* found = nullptr;
        for (const MenuOption& option : kMenuOptions)
            if (name == option.name) found = &option;
        if (found == nullptr) return what = "an unknown menu item option \"" + name + "\"", false;
        flags |= found->flag;
    }
    return true;
}

bool readMenuItem(Tokens& tokens, unsigned depth, MenuItemScript& item, std::string& what) {
    std::string keyword;
    if (!tokens.name(keyword)) return what = "expected MENUITEM, POPUP or END", false;
    item.depth = depth;
    if (keyword == "MENUITEM") {
        if (tokens.peekName("SEPARATOR")) {
            tokens.take();
            item.flags = MF_SEPARATOR;
            return tokens.atEnd() || (what = "something after the separator", false);
        }
        if (!tokens.text(item.text, "the item's text", what)) return false;
        if (!tokens.comma()) return what = "expected ',' before the item's id", false;
        long long id = 0;
        if (!tokens.number(id, 0, 65535, "a menu item id", what)) return false;
        item.id = static_cast<unsigned>(id);
        return readMenuOptions(tokens, item.flags, what);
    }
    if (keyword == "POPUP") {
        item.flags = MF_POPUP;
        if (!tokens.text(item.text, "the popup's text", what)) return false;
        return readMenuOptions(tokens, item.flags, what);
    }
    return what = "expected MENUITEM, POPUP or END", false;
}

// The items between BEGIN and END at depth (the BEGIN is read here).
bool readMenuLevel(Lines& lines, unsigned depth, std::vector<MenuItemScript>& items, std::string& error) {
    std::string statement, what;
    if (!lines.nextStatement(statement) || !isBegin(statement)) return fail(lines, "a menu without BEGIN", error);
    Tokens tokens;
    while (lines.nextStatement(statement)) {
        if (isEnd(statement)) return true;
        if (items.size() >= kMaxMenuItems) return fail(lines, "more than " + std::to_string(kMaxMenuItems) + " menu items", error);
        MenuItemScript item;
        if (!tokens.split(statement, what) || !readMenuItem(tokens, depth, item, what)) return fail(lines, what, error);
        bool popup = (item.flags & MF_POPUP) != 0;
        items.push_back(std::move(item));
        if (popup) {
            if (depth + 1 >= kMaxMenuDepth) return fail(lines, "menus nested deeper than " + std::to_string(kMaxMenuDepth), error);
            if (!readMenuLevel(lines, depth + 1, items, error)) return false;
        }
    }
    return fail(lines, "a menu without END", error);
}

std::uint32_t readLittle(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

}  // namespace

bool readMenu(Lines& lines, std::vector<MenuItemScript>& items, std::string& error) {
    return readMenuLevel(lines, 0, items, error);
}

bool readBitmap(Tokens& header, const ResourceFileReader& readFile, BitmapScript& bitmap, std::string& what) {
    if (!header.text(bitmap.file, "the bitmap's file name", what)) return false;
    if (!header.atEnd()) return what = "something after the file name", false;
    if (!readFile) return what = "bitmap files cannot be read here", false;
    if (!readFile(bitmap.file, bitmap.bytes)) return what = "bitmap file \"" + bitmap.file + "\" cannot be read", false;
    if (bitmap.bytes.size() > kMaxBitmapBytes) return what = "bitmap file \"" + bitmap.file + "\" is too large", false;
    if (!readBitmapSize(bitmap.bytes, bitmap.width, bitmap.height))
        return what = "\"" + bitmap.file + "\" is not a bitmap this compiler reads", false;
    return true;
}

}  // namespace vthost::rc

namespace vthost {

bool readBitmapSize(std::string_view bytes, int& width, int& height) {
    using rc::readLittle;
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return false;
    std::uint32_t pixelsAt = readLittle(bytes, 10, 4);
    std::uint32_t infoSize = readLittle(bytes, 14, 4);
    auto w = static_cast<std::int32_t>(readLittle(bytes, 18, 4));
    auto h = static_cast<std::int32_t>(readLittle(bytes, 22, 4));
    std::uint32_t bits = readLittle(bytes, 28, 2);
    std::uint32_t compression = readLittle(bytes, 30, 4);
    if (infoSize < 40 || w <= 0 || w > 16384 || h == 0 || h < -16384 || h > 16384) return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return false;
    if (compression != 0) return false;
    std::uint64_t stride = ((static_cast<std::uint64_t>(w) * bits + 31) / 32) * 4;
    std::uint64_t rows = static_cast<std::uint64_t>(h < 0 ? -h : h);
    if (pixelsAt < 14 + infoSize || pixelsAt + stride * rows > bytes.size()) return false;
    width = w;
    height = h < 0 ? -h : h;
    return true;
}

}  // namespace vthost
