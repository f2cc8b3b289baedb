// The C runtime's multibyte-aware comparisons as modules use them: ASCII letters compare without
// regard to case, every other byte (those of multibyte characters included) as it is.
#pragma once

extern "C" {
// <0, 0 or >0 as lhs sorts before, equal to or after rhs ignoring ASCII case; null sorts first.
int _mbsicmp(const unsigned char* lhs, const unsigned char* rhs);
}
