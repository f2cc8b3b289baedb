// A drawing to test links in: a new database made the working one, with helpers that add entities
// to model space, make styles and link labels to sources the way link creation does.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "db/AcDbDatabase.h"
#include "db/AcDbEntity.h"

class AcPropertyReader;
class AcContentModifier;

namespace vttest {

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Appends a new entity to model space and closes it.
    AcDbObjectId add(AcDbEntity* entity);
    // A style in the drawing's styles dictionary; the style takes the reader and modifier.
    AcDbObjectId addStyle(const char* name, AcPropertyReader* reader, AcContentModifier* modifier,
                          const char* macro = "");
    // Stores a link in the source's extension dictionary and makes it the source's reactor;
    // closing the source sends the first update. A null label makes a self link.
    AcDbObjectId link(AcDbObjectId source, AcDbObjectId label, AcDbObjectId style);
    // Opens id for write as T, runs change on it and closes it (which notifies its reactors).
    template <class T>
    void modify(AcDbObjectId id, const std::function<void(T*)>& change) {
        T* object = nullptr;
        ASSERT_EQ(acdbOpenObject(object, id, AcDb::kForWrite), Acad::eOk);
        change(object);
        ASSERT_EQ(object->close(), Acad::eOk);
    }
    // Reads with the entity open for read.
    template <class T, class R>
    R read(AcDbObjectId id, const std::function<R(const T*)>& get) {
        T* object = nullptr;
        EXPECT_EQ(acdbOpenObject(object, id, AcDb::kForRead), Acad::eOk);
        if (object == nullptr) return R();
        R result = get(object);
        object->close();
        return result;
    }
    std::string textOf(AcDbObjectId id);
    void erase(AcDbObjectId id);

    std::unique_ptr<AcDbDatabase> db;
};

}  // namespace vttest
