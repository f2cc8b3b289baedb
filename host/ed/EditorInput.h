// The editor's text results: acedMenuCmd evaluates "M=expression" as DIESEL and answers RTKWORD;
// acedGetInput then delivers the result (or the keyword a user-input call answered), at most 131
// characters and the terminator, into a caller buffer of 132 characters.
#pragma once

extern "C" {
int acedMenuCmd(const char* str);
int acedGetInput(char* str);
}

namespace vthost {
// Makes text the answer of the next acedGetInput (used by the command line for keywords).
void offerInput(const char* text);
// Nothing to deliver: acedGetInput answers RTERROR until the next offer.
void clearInput();
// The settings DIESEL's $(getenv) reads: the values of the settings store's key
// HKEY_CURRENT_USER\<acrxProductKey()>\General (names case-insensitive). A value read stays valid
// until the store next changes. Setting null or "" removes the value.
const char* settingValue(const char* name);
void setSetting(const char* name, const char* value);
}  // namespace vthost
