// Test support for the object library: the host is started and vantorell.dbx loaded through the
// host's module loader once per test program; fatal errors become FatalError exceptions.
#pragma once
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "HostTestSupport.h"
#include "boot/Switches.h"

namespace vttest {

using FatalError = vthost::test::FatalError;

// Installs the throwing fatal handler for the life of the object.
class FatalErrorsThrow : public vthost::ScopedFatalHandler {
public:
    FatalErrorsThrow() : vthost::ScopedFatalHandler(vthost::test::throwFatal) {}
};

// Loads vantorell.dbx if it is not loaded; true on success.
bool loadLibrary();
bool unloadLibrary();

}  // namespace vttest
