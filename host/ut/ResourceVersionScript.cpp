// The resource compiler's VERSIONINFO statement: the fixed numbers, then the string tables and
// the translation pairs in their BLOCKs.
#include "ut/ResourceScriptLines.h"

namespace vthost::rc {

namespace {

constexpr std::size_t kMaxVersionValues = 256;

bool readFourNumbers(Tokens& tokens, std::uint32_t& high, std::uint32_t& low, std::string& what) {
    long long parts[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4; ++i) {
        if (i > 0 && !tokens.comma()) return what = "a version of four numbers separated by commas", false;
        if (!tokens.number(parts[i], 0, 65535, "a version number", what)) return false;
    }
    high = static_cast<std::uint32_t>((parts[0] << 16) | parts[1]);
    low = static_cast<std::uint32_t>((parts[2] << 16) | parts[3]);
    return tokens.atEnd() || (what = "something after the version", false);
}

// One of the fixed statements before BEGIN; false with what is wrong.
bool readFixed(const std::string& name, Tokens& tokens, VersionScript& version, std::string& what) {
    if (name == "FILEVERSION") return readFourNumbers(tokens, version.fileVersionMS, version.fileVersionLS, what);
    if (name == "PRODUCTVERSION") return readFourNumbers(tokens, version.productVersionMS, version.productVersionLS, what);
    std::uint32_t* field = name == "FILEFLAGSMASK" ? &version.flagsMask
                           : name == "FILEFLAGS"   ? &version.flags
                           : name == "FILEOS"      ? &version.os
                           : name == "FILETYPE"    ? &version.type
                           : name == "FILESUBTYPE" ? &version.subtype
                                                   : nullptr;
    if (field == nullptr) return what = "unknown version statement \"" + name.substr(0, 32) + "\"", false;
    long long value = 0;
    if (!tokens.number(value, 0, 0xFFFFFFFFLL, "a number", what)) return false;
    *field = static_cast<std::uint32_t>(value);
    return tokens.atEnd() || (what = "something after the number", false);
}

bool blockName(Lines& lines, const std::string& statement, std::string& name, std::string& error) {
    Tokens tokens;
    std::string what;
    if (!tokens.split(statement, what)) return fail(lines, what, error);
    if (!tokens.peekName("BLOCK")) return fail(lines, "expected BLOCK \"name\"", error);
    tokens.take();
    if (!tokens.text(name, "the block's name", what) || !tokens.atEnd()) return fail(lines, what.empty() ? "something after the block's name" : what, error);
    std::string_view begin;
    if (!lines.next(begin) || !isBegin(begin)) return fail(lines, "BLOCK without BEGIN", error);
    return true;
}

// VALUE statements up to END; texts go to values, numbers to numbers.
bool readValues(Lines& lines, std::vector<std::pair<std::string, std::string>>* texts,
                std::vector<std::uint16_t>* numbers, std::string& error) {
    std::string statement;
    while (lines.nextStatement(statement)) {
        if (isEnd(statement)) return true;
        Tokens tokens;
        std::string what, key;
        if (!tokens.split(statement, what)) return fail(lines, what, error);
        if (!tokens.peekName("VALUE")) return fail(lines, "expected VALUE or END", error);
        tokens.take();
        if (!tokens.text(key, "the value's name", what) || !tokens.comma()) return fail(lines, what.empty() ? "a VALUE without a value" : what, error);
        if (texts != nullptr) {
            std::string text;
            if (!tokens.text(text, "the value's text", what) || !tokens.atEnd()) return fail(lines, what.empty() ? "something after the text" : what, error);
            if (texts->size() >= kMaxVersionValues) return fail(lines, "too many values", error);
            texts->emplace_back(std::move(key), std::move(text));
            continue;
        }
        do {
            long long value = 0;
            if (!tokens.number(value, 0, 65535, "a number 0..65535", what)) return fail(lines, what, error);
            if (numbers->size() >= kMaxVersionValues) return fail(lines, "too many values", error);
            numbers->push_back(static_cast<std::uint16_t>(value));
        } while (tokens.comma());
        if (!tokens.atEnd()) return fail(lines, "something after the numbers", error);
    }
    return fail(lines, "BLOCK without END", error);
}

bool readStringFileInfo(Lines& lines, VersionScript& version, std::string& error) {
    std::string statement;
    while (lines.nextStatement(statement)) {
        if (isEnd(statement)) return true;
        std::string language;
        if (!blockName(lines, statement, language, error)) return false;
        version.stringTables.emplace_back(language, std::vector<std::pair<std::string, std::string>>{});
        if (!readValues(lines, &version.stringTables.back().second, nullptr, error)) return false;
    }
    return fail(lines, "BLOCK without END", error);
}

}  // namespace

bool readVersionInfo(Lines& lines, Tokens& header, VersionScript& version, std::string& error) {
    if (!header.atEnd()) return fail(lines, "something after VERSIONINFO", error);
    version = VersionScript{};
    std::string statement;
    while (lines.nextStatement(statement)) {
        if (isBegin(statement)) break;
        Tokens tokens;
        std::string what, name;
        if (!tokens.split(statement, what)) return fail(lines, what, error);
        if (!tokens.name(name) || !readFixed(name, tokens, version, what)) return fail(lines, what.empty() ? "expected a version statement" : what, error);
    }
    while (lines.nextStatement(statement)) {
        if (isEnd(statement)) {
            version.present = true;
            return true;
        }
        std::string block;
        if (!blockName(lines, statement, block, error)) return false;
        if (block == "StringFileInfo") {
            if (!readStringFileInfo(lines, version, error)) return false;
        } else if (block == "VarFileInfo") {
            if (!readValues(lines, nullptr, &version.translations, error)) return false;
        } else {
            return fail(lines, "unknown version block \"" + block.substr(0, 32) + "\"", error);
        }
    }
    return fail(lines, "VERSIONINFO without BEGIN and END", error);
}

bool readCursor(Tokens& header, const ResourceFileReader& readFile, CursorScript& cursor, std::string& what) {
    if (!header.text(cursor.file, "the cursor's file name", what)) return false;
    if (!header.atEnd()) return what = "something after the file name", false;
    if (!readFile) return what = "cursor files cannot be read here", false;
    if (!readFile(cursor.file, cursor.bytes)) return what = "cursor file \"" + cursor.file + "\" cannot be read", false;
    if (cursor.bytes.size() > kMaxBitmapBytes) return what = "cursor file \"" + cursor.file + "\" is too large", false;
    // A .cur file: reserved 0, type 2, at least one image; its first entry gives the size and the
    // hot spot (a width or height byte of 0 means 256).
    const std::string& b = cursor.bytes;
    auto byte = [&b](std::size_t i) { return static_cast<unsigned char>(b[i]); };
    if (b.size() < 22 || byte(0) != 0 || byte(1) != 0 || byte(2) != 2 || byte(3) != 0 || (byte(4) | byte(5)) == 0)
        return what = "\"" + cursor.file + "\" is not a cursor file", false;
    cursor.width = byte(6) == 0 ? 256 : byte(6);
    cursor.height = byte(7) == 0 ? 256 : byte(7);
    cursor.hotX = byte(10) | (byte(11) << 8);
    cursor.hotY = byte(12) | (byte(13) << 8);
    return true;
}

}  // namespace vthost::rc
