#include "LibraryTestEnvironment.h"

#include "boot/Host.h"
#include "rx/AcRxDynamicLinker.h"
#include "rx/Fatal.h"

namespace vttest {

namespace {
class LibraryEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        vthost::startHost();
        ASSERT_TRUE(loadLibrary());
    }
};

const auto* g_environment = ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);
}  // namespace


bool loadLibrary() { return acrxLoadModule("vantorell.dbx", false); }
bool unloadLibrary() { return acrxUnloadModule("vantorell.dbx"); }

}  // namespace vttest
