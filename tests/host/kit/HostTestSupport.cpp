#include "HostTestSupport.h"

#include <gtest/gtest.h>

#include "boot/Host.h"
#include "ut/AcUtil.h"
#include "rx/AcRxDynamicLinker.h"
#include "rx/Fatal.h"

namespace vthost::test {

[[noreturn]] void throwFatal(const char* message) { throw FatalError(message); }

namespace {

class HostEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        startHost();
        setFatalHandler(throwFatal);
    }
    void TearDown() override {
        setFatalHandler(nullptr);
        stopHost();
    }
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new HostEnvironment);

std::string g_captured;
void capture(const char* text) {
    g_captured += text;
}

}  // namespace

OutputCapture::OutputCapture() {
    g_captured.clear();
    setOutputSink(capture);
    setRuntimePrinter(capture);
}

OutputCapture::~OutputCapture() {
    setOutputSink(nullptr);
    setRuntimePrinter(nullptr);
}

std::string OutputCapture::take() {
    std::string text;
    text.swap(g_captured);
    return text;
}

}  // namespace vthost::test
