// The library's application-description string: the application name of its database classes,
// shown by the host for objects whose application is absent.
#pragma once

namespace vantorell {
inline constexpr const char* kAppDescription =
    "\"Vantorell|Product Desc: Vantorell|Company:      Orvane Works|WEB Address:  "
    "https://www.orvane-works.example/vantorell\"";
}
