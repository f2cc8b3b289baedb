#include "DbTestSupport.h"

namespace vthost::test {
ACRX_DEFINE_MEMBERS(VtTestObject)
ACRX_DEFINE_MEMBERS(VtTestReactor)
ACRX_DEFINE_MEMBERS(VtTestEntity)
ACRX_DEFINE_MEMBERS(VtFiledProbe)
}  // namespace vthost::test
