#include "HostTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

#include "boot/Host.h"
#include "boot/Switches.h"
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
        m_fatalErrorsThrow = std::make_unique<ScopedFatalHandler>(throwFatal);
    }
    void TearDown() override {
        m_fatalErrorsThrow.reset();
        stopHost();
    }

private:
    std::unique_ptr<ScopedFatalHandler> m_fatalErrorsThrow;
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
