#include "db/AcDbHostApplicationServices.h"

ACRX_DEFINE_MEMBERS(AcDbHostApplicationServices)

AcDbHostApplicationServices* acdbHostApplicationServices() {
    static AcDbHostApplicationServices services;
    return &services;
}
