#include "module/OpenedObject.h"

#include "rx/Fatal.h"

namespace vantorell {

void closeOrDelete(AcDbObject* object) {
    if (object == nullptr) return;
    if (object->objectId().isNull()) {
        delete object;
        return;
    }
    if (object->close() != Acad::eOk) acrx_abort("Failed AcDbObject::close()");
}

}  // namespace vantorell
