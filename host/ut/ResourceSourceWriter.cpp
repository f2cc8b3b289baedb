// writeResourceSource: a compiled script as the C++ source of the module's exported table.
#include <cstdio>

#include "ut/ResourceScript.h"
#include "ut/VersionBlock.h"

namespace vthost {

namespace {

std::string literal(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') out += '\\', out += static_cast<char>(c);
        else if (c >= 0x20 && c < 0x7f && c != '?') out += static_cast<char>(c);
        else {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", c);
            out += octal;
        }
    }
    return out + "\"";
}

std::string number(long long value) { return std::to_string(value); }
std::string bits(unsigned value) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08xu", value);
    return hex;
}

void writeStrings(const ResourceScript& script, std::string& out) {
    out += "const VthostStringResource kStrings[] = {\n";
    for (const auto& [id, text] : script.strings)
        out += "    {" + number(id) + "u, " + literal(text) + ", " + number(static_cast<long long>(text.size())) + "u},\n";
    if (script.strings.empty()) out += "    {0u, nullptr, 0u},\n";
    out += "};\n";
}

void writeDialogs(const ResourceScript& script, std::string& out) {
    for (const auto& [id, dialog] : script.dialogs) {
        out += "const VthostDialogControl kControls" + number(id) + "[] = {\n";
        for (const DialogControlScript& c : dialog.controls)
            out += "    {" + number(c.id) + ", " + literal(c.className) + ", " + literal(c.text) + ", " + bits(c.style) +
                   ", " + bits(c.exStyle) + ", " + number(c.x) + ", " + number(c.y) + ", " + number(c.cx) + ", " +
                   number(c.cy) + "},\n";
        if (dialog.controls.empty()) out += "    {0, \"\", \"\", 0u, 0u, 0, 0, 0, 0},\n";
        out += "};\n";
    }
    out += "const VthostDialogResource kDialogs[] = {\n";
    for (const auto& [id, d] : script.dialogs)
        out += "    {" + number(id) + "u, " + literal(d.caption) + ", " + bits(d.style) + ", " + bits(d.exStyle) + ", " +
               number(d.x) + ", " + number(d.y) + ", " + number(d.cx) + ", " + number(d.cy) + ", " + literal(d.fontName) +
               ", " + number(d.fontSize) + "u, " + number(static_cast<long long>(d.controls.size())) + "u, kControls" +
               number(id) + "},\n";
    if (script.dialogs.empty()) out += "    {0u, \"\", 0u, 0u, 0, 0, 0, 0, \"\", 0u, 0u, nullptr},\n";
    out += "};\n";
}

void writeMenus(const ResourceScript& script, std::string& out) {
    for (const auto& [id, items] : script.menus) {
        out += "const VthostMenuItem kMenuItems" + number(id) + "[] = {\n";
        for (const MenuItemScript& item : items)
            out += "    {" + number(item.id) + "u, " + literal(item.text) + ", " + bits(item.flags) + ", " +
                   number(item.depth) + "u},\n";
        if (items.empty()) out += "    {0u, \"\", 0u, 0u},\n";
        out += "};\n";
    }
    out += "const VthostMenuResource kMenus[] = {\n";
    for (const auto& [id, items] : script.menus)
        out += "    {" + number(id) + "u, " + number(static_cast<long long>(items.size())) + "u, kMenuItems" + number(id) + "},\n";
    if (script.menus.empty()) out += "    {0u, 0u, nullptr},\n";
    out += "};\n";
}

void writeBitmaps(const ResourceScript& script, std::string& out) {
    for (const auto& [id, bitmap] : script.bitmaps) {
        out += "const unsigned char kBitmapBytes" + number(id) + "[] = {";
        for (std::size_t i = 0; i < bitmap.bytes.size(); ++i) {
            if (i % 16 == 0) out += "\n    ";
            out += number(static_cast<unsigned char>(bitmap.bytes[i])) + ",";
        }
        if (bitmap.bytes.empty()) out += "0";
        out += "\n};\n";
    }
    out += "const VthostBitmapResource kBitmaps[] = {\n";
    for (const auto& [id, bitmap] : script.bitmaps)
        out += "    {" + number(id) + "u, " + number(static_cast<long long>(bitmap.bytes.size())) + "u, kBitmapBytes" +
               number(id) + "},\n";
    if (script.bitmaps.empty()) out += "    {0u, 0u, nullptr},\n";
    out += "};\n";
}

void writeBytes(const std::string& name, const std::string& bytes, std::string& out, const std::string& attributes = {}) {
    out += attributes + "const unsigned char " + name + "[] = {";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 16 == 0) out += "\n    ";
        out += number(static_cast<unsigned char>(bytes[i])) + ",";
    }
    if (bytes.empty()) out += "0";
    out += "\n};\n";
}

void writeCursors(const ResourceScript& script, std::string& out) {
    for (const auto& [id, cursor] : script.cursors) writeBytes("kCursorBytes" + number(id), cursor.bytes, out);
    out += "const VthostCursorResource kCursors[] = {\n";
    for (const auto& [id, c] : script.cursors)
        out += "    {" + number(id) + "u, " + number(static_cast<long long>(c.bytes.size())) + "u, kCursorBytes" + number(id) +
               ", " + number(c.width) + ", " + number(c.height) + ", " + number(c.hotX) + ", " + number(c.hotY) + "},\n";
    if (script.cursors.empty()) out += "    {0u, 0u, nullptr, 0, 0, 0, 0},\n";
    out += "};\n";
}

// The version block in the file's version section, kept although nothing refers to it.
void writeVersion(const ResourceScript& script, std::string& out) {
    if (!script.version.present) return;
    out += "// The module's version block, read from the file by GetFileVersionInfoA.\n";
    writeBytes("kVersionBlock", encodeVersionBlock(script.version), out,
               std::string("[[gnu::used, gnu::section(\"") + kVersionSection + "\")]] ");
}

}  // namespace

std::string writeVersionSource(const ResourceScript& script) {
    std::string out = "// Written by vtrc, the resource compiler, from a resource script. Do not edit.\nnamespace {\n";
    writeVersion(script, out);
    return out + "}  // namespace\n";
}

std::string writeResourceSource(const ResourceScript& script) {
    std::string out =
        "// Written by vtrc, the resource compiler, from a resource script. Do not edit.\n"
        "#include \"ut/ResourceTable.h\"\n\nnamespace {\n";
    writeStrings(script, out);
    writeDialogs(script, out);
    writeMenus(script, out);
    writeBitmaps(script, out);
    writeCursors(script, out);
    writeVersion(script, out);
    out += "}  // namespace\n\n";
    out += "extern \"C\" const VthostResourceTable vthost_resources = {kResourceTableVersion, " +
           number(static_cast<long long>(script.strings.size())) + "u, kStrings, " +
           number(static_cast<long long>(script.dialogs.size())) + "u, kDialogs, " +
           number(static_cast<long long>(script.menus.size())) + "u, kMenus, " +
           number(static_cast<long long>(script.bitmaps.size())) + "u, kBitmaps, " +
           number(static_cast<long long>(script.cursors.size())) + "u, kCursors};\n";
    return out;
}

}  // namespace vthost
