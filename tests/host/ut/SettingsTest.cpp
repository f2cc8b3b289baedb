// The settings store: its file (round trip, refusals, written after each change), the Win32
// calls over it (handles, sizes, terminators, codes), and DIESEL's $(getenv) reading it with the
// ScopedSetting guard restoring what was there.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "HostTestSupport.h"
#include "boot/Switches.h"
#include "ed/EditorInput.h"
#include "rx/AcRxDynamicLinker.h"
#include "ut/AdsCodes.h"
#include "ut/Registry.h"
#include "ut/SettingsStore.h"

namespace vthost::test {
namespace {

constexpr const char* kFile =
    "VTSETTINGS 1\n"
    "; a comment\n"
    "\n"
    "[HKEY_CLASSES_ROOT\\.htm]\n"
    "@=\"htmlfile\"\n"
    "\n"
    "[HKEY_CURRENT_USER\\Software\\Test]\n"
    "\"Count\"=dword:0000002a\n"
    "\"Quote\"=\"a \\\"b\\\" \\\\ c\\nd\"\n";

class Settings : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        settingsStore().openFile("", error);
        settingsStore().clear();
    }
    void TearDown() override { SetUp(); }
};

TEST_F(Settings, TheFileReadsAndWritesBackTheSame) {
    std::string error;
    ASSERT_TRUE(settingsStore().readText(kFile, error)) << error;
    EXPECT_TRUE(settingsStore().hasKey("hkey_current_user\\software"));
    const SettingValue* quote = settingsStore().value("HKEY_CURRENT_USER\\SOFTWARE\\test", "quote");
    ASSERT_NE(quote, nullptr);
    EXPECT_EQ(quote->data, "a \"b\" \\ c\nd");
    std::string text = settingsStore().text();
    SettingsStore again;
    ASSERT_TRUE(again.readText(text, error)) << error;
    EXPECT_EQ(again.text(), text);
    EXPECT_NE(text.find("\"Count\"=dword:0000002a"), std::string::npos) << text;
}

TEST_F(Settings, DamagedFilesAreRefusedNamingTheLineAndChangeNothing) {
    struct Case { const char* text; const char* error; };
    const Case cases[] = {
        {"", "line 0: not a settings file"},
        {"VTSETTINGS 2\n", "line 1: an unknown version"},
        {"REGEDIT4\n", "line 1: not a settings file"},
        {"VTSETTINGS 1\n\"a\"=\"b\"\n", "line 2: a value before the first key"},
        {"VTSETTINGS 1\n[HKEY_LOCAL_MACHINE\\x]\n", "line 2: a key outside HKEY_CURRENT_USER and HKEY_CLASSES_ROOT"},
        {"VTSETTINGS 1\n[HKEY_CURRENT_USER\\x\n", "line 2: a key without ']'"},
        {"VTSETTINGS 1\n[HKEY_CURRENT_USER\\x]\nname=\"b\"\n", "line 3: a value without a quoted name"},
        {"VTSETTINGS 1\n[HKEY_CURRENT_USER\\x]\n\"a\n", "line 3: a value without a quoted name"},
        {"VTSETTINGS 1\n[HKEY_CURRENT_USER\\x]\n\"a\"=dword:123456789\n", "line 3: a value that is neither \"text\" nor dword:<hex>"},
        {"VTSETTINGS 1\n[HKEY_CURRENT_USER\\x]\n\"a\"=\"b\" x\n", "line 3: a value that is neither \"text\" nor dword:<hex>"},
    };
    std::string error;
    ASSERT_TRUE(settingsStore().readText(kFile, error));
    for (const Case& c : cases) {
        EXPECT_FALSE(settingsStore().readText(c.text, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
    EXPECT_NE(settingsStore().value("HKEY_CLASSES_ROOT\\.htm", ""), nullptr) << "unchanged";
}

TEST_F(Settings, AnOpenedFileIsWrittenAfterEveryChange) {
    auto path = std::filesystem::temp_directory_path() / ("vt_settings_" + std::to_string(getpid()));
    std::string error;
    ASSERT_TRUE(settingsStore().openFile(path.string(), error)) << "a missing file is an empty store";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Test", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Name", 0, REG_SZ, reinterpret_cast<const BYTE*>("value"), 6);
    RegCloseKey(key);
    settingsStore().openFile("", error);
    settingsStore().clear();
    ASSERT_TRUE(settingsStore().openFile(path.string(), error)) << error;
    const SettingValue* value = settingsStore().value("HKEY_CURRENT_USER\\Software\\Test", "Name");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->data, "value");
    std::filesystem::remove(path);
}

TEST_F(Settings, RegistryCallsKeepWin32sContract) {
    std::string error;
    ASSERT_TRUE(settingsStore().readText(kFile, error));
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, ".pdf", 0, KEY_QUERY_VALUE, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, ".HTM", 0, KEY_QUERY_VALUE, &key), ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    EXPECT_EQ(RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 9u) << "the terminator counts";
    char text[16];
    std::memset(text, '#', sizeof text);
    size = 4;
    EXPECT_EQ(RegQueryValueExA(key, "", nullptr, nullptr, reinterpret_cast<LPBYTE>(text), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 9u);
    size = sizeof text;
    EXPECT_EQ(RegQueryValueExA(key, "", nullptr, nullptr, reinterpret_cast<LPBYTE>(text), &size), ERROR_SUCCESS);
    EXPECT_STREQ(text, "htmlfile");
    EXPECT_EQ(RegQueryValueExA(key, "missing", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE) << "closed once";
    EXPECT_EQ(RegQueryValueExA(key, "", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    int notAKey = 0;
    EXPECT_EQ(RegOpenKeyExA(reinterpret_cast<HKEY>(&notAKey), "x", 0, 0, &key), ERROR_INVALID_HANDLE);

    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Test", 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD number = 0;
    size = sizeof number;
    EXPECT_EQ(RegQueryValueExA(key, "count", nullptr, &type, reinterpret_cast<LPBYTE>(&number), &size), ERROR_SUCCESS);
    EXPECT_EQ(number, 42u);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    const char unterminated[3] = {'a', 'b', 'c'};
    EXPECT_EQ(RegSetValueExA(key, "raw", 0, REG_SZ, reinterpret_cast<const BYTE*>(unterminated), 3), ERROR_SUCCESS);
    size = sizeof text;
    std::memset(text, '#', sizeof text);
    RegQueryValueExA(key, "raw", nullptr, nullptr, reinterpret_cast<LPBYTE>(text), &size);
    EXPECT_STREQ(text, "abc") << "stored without a terminator, read out with one";
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(RegSetValueExA(key, "n", 0, REG_DWORD, reinterpret_cast<const BYTE*>(text), 3), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExA(key, "n", 0, 3, reinterpret_cast<const BYTE*>(text), 3), ERROR_INVALID_PARAMETER);
    RegCloseKey(key);
}

std::string getenvMacro(const char* name) {
    std::string expression = std::string("M=$(getenv,") + name + ")";
    char result[132];
    EXPECT_EQ(acedMenuCmd(expression.c_str()), RTKWORD);
    EXPECT_EQ(acedGetInput(result), RTNORM);
    return result;
}

TEST_F(Settings, GetenvReadsTheStoreAndScopedSettingRestoresIt) {
    std::string key = std::string("HKEY_CURRENT_USER\\") + vthost::kProductKey + "\\General";
    settingsStore().createKey(key);
    settingsStore().setValue(key, "Units", SettingValue{kRegString, "mm"});
    EXPECT_EQ(getenvMacro("units"), "mm");
    {
        ScopedSetting setting("UNITS", "inch");
        EXPECT_EQ(getenvMacro("Units"), "inch");
        ScopedSetting fresh("Fresh", "1");
        EXPECT_EQ(getenvMacro("Fresh"), "1");
    }
    EXPECT_EQ(getenvMacro("Units"), "mm");
    EXPECT_EQ(getenvMacro("Fresh"), "");
    EXPECT_EQ(settingsStore().value(key, "Fresh"), nullptr) << "a setting that was not there is removed";
}

}  // namespace
}  // namespace vthost::test
