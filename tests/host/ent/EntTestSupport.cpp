#include "EntTestSupport.h"

#include <gtest/gtest.h>

#include "Host.h"
#include "rx/Fatal.h"

namespace enttest {

namespace {

[[noreturn]] void throwFatal(const char* message) { throw FatalError(message); }

class HostEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        vthost::startHost();
        vthost::setFatalHandler(throwFatal);
    }
    void TearDown() override {
        vthost::setFatalHandler(nullptr);
        vthost::stopHost();
    }
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new HostEnvironment);

}  // namespace

Bytes recordOf(const AcDbObject* object, AcDb::FilerType type) {
    vthost::DwgStreamFiler filer(type);
    EXPECT_EQ(object->dwgOutFields(&filer), Acad::eOk);
    return filer.buffer();
}

Acad::ErrorStatus readRecord(AcDbObject* object, const Bytes& bytes, AcDb::FilerType type) {
    vthost::DwgStreamFiler filer(type);
    filer.setBuffer(bytes);
    return object->dwgInFields(&filer);
}

}  // namespace enttest
