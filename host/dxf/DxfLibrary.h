// The one place the dxf family includes dxflib's headers (a system include directory, so that
// their warnings do not count against ours).
#pragma once
#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>
#include <dxflib/dl_writer_ascii.h>
