// The catalogue of built-in DIESEL functions and their handlers. A handler gets the call, evaluates
// the arguments it needs and either sets result and answers true, or answers false, which the
// evaluator turns into the " $(NAME,??) " marker. Handlers are stateless free functions.
#pragma once

#include "diesel/DieselCall.h"

#include <string>
#include <string_view>

namespace vthost {

using DieselHandler = bool (*)(DieselCall& call, std::string& result);

// The handler for an upper-cased function name, or nullptr when there is no such function.
DieselHandler findDieselFunction(std::string_view upperName);
// Upper-cases the ASCII letters a to z in place (function names and $(upper)); other bytes stay.
void upperAscii(std::string& text);

namespace diesel_fn {
// Arithmetic, comparison and bitwise functions (DieselFunctions.cpp).
bool add(DieselCall& call, std::string& result);
bool subtract(DieselCall& call, std::string& result);
bool multiply(DieselCall& call, std::string& result);
bool divide(DieselCall& call, std::string& result);
bool equal(DieselCall& call, std::string& result);
bool notEqual(DieselCall& call, std::string& result);
bool less(DieselCall& call, std::string& result);
bool greater(DieselCall& call, std::string& result);
bool lessOrEqual(DieselCall& call, std::string& result);
bool greaterOrEqual(DieselCall& call, std::string& result);
bool bitAnd(DieselCall& call, std::string& result);
bool bitOr(DieselCall& call, std::string& result);
bool bitXor(DieselCall& call, std::string& result);
bool truncate(DieselCall& call, std::string& result);
// Text and control functions (DieselTextFunctions.cpp).
bool stringsEqual(DieselCall& call, std::string& result);
bool evalAgain(DieselCall& call, std::string& result);
bool ifThen(DieselCall& call, std::string& result);
bool listItem(DieselCall& call, std::string& result);
bool nthArgument(DieselCall& call, std::string& result);
bool stringLength(DieselCall& call, std::string& result);
bool substring(DieselCall& call, std::string& result);
bool upperCase(DieselCall& call, std::string& result);
// Functions that ask the host (DieselHostFunctions.cpp).
bool formatAngle(DieselCall& call, std::string& result);
bool editTime(DieselCall& call, std::string& result);
bool settingValue(DieselCall& call, std::string& result);
bool systemVariable(DieselCall& call, std::string& result);
bool lineLength(DieselCall& call, std::string& result);
bool formatDistance(DieselCall& call, std::string& result);
}  // namespace diesel_fn

}  // namespace vthost
