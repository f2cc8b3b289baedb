// Which DXF header variables the host keeps, in both directions: the unit settings that labels
// are formatted in (LUNITS, LUPREC, DIMZIN, UNITMODE, AUNITS, AUPREC), the drawing units
// (INSUNITS) and TEXTSIZE. Values outside the range the host accepts are refused (not carried).
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "db/HeaderVariables.h"

namespace vthost {

// The host's value for a DXF integer variable ("$LUNITS"), or nothing when the host does not keep
// it or the value is out of range; name receives the variable's name without '$'.
std::optional<HeaderValue> headerFromDxfInt(const std::string& dxfName, int value,
                                            std::string& name);
std::optional<HeaderValue> headerFromDxfReal(const std::string& dxfName, double value,
                                             std::string& name);
// True when the host keeps this variable (so that a refused value is worth reporting).
bool isKeptHeaderVariable(const std::string& dxfName);

// The variables a DXF file gets from the drawing, with the group code of their value.
struct DxfHeaderItem {
    std::string dxfName;  // with '$'
    int code;
    HeaderValue value;
};
std::vector<DxfHeaderItem> headerForDxf(const HeaderVariables& header);

}  // namespace vthost
