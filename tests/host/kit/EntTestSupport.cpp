#include "EntTestSupport.h"

#include <gtest/gtest.h>

namespace enttest {

Bytes recordOf(const AcDbObject* object, AcDb::FilerType type) {
    vthost::DwgStreamFiler filer(type);
    EXPECT_EQ(object->dwgOutFields(&filer), Acad::eOk);
    return filer.buffer();
}

Acad::ErrorStatus readRecord(AcDbObject* object, const Bytes& bytes, AcDb::FilerType type) {
    vthost::DwgStreamFiler filer(type);
    filer.setBuffer(bytes);
    return object->dwgInFields(&filer);
}

}  // namespace enttest
