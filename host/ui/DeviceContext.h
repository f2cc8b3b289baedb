// The recording device contexts the host hands to drawing code: created and owned by the host
// (a control keeps the context of its last painting, so its records can be looked at).
// Host-internal.
#pragma once
#include <memory>

#include "ui/CDC.h"

namespace vthost::ui {

struct DeviceContextDeleter {
    void operator()(HDC dc) const;
};
using DeviceContextPtr = std::unique_ptr<HDC__, DeviceContextDeleter>;

// A new context: black text on white, opaque, the default pen and the window's font.
DeviceContextPtr createDeviceContext(HFONT font = nullptr);

}  // namespace vthost::ui
