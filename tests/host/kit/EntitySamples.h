// One filled-in instance of every concrete entity class (every field away from its default), with
// a way to write just its parent class's part of the record, so that tests can find where the
// class's own level begins.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "db/AcDbEntity.h"

namespace enttest {

struct EntitySample {
    std::string name;
    std::function<std::unique_ptr<AcDbEntity>()> make;
    std::function<std::unique_ptr<AcDbEntity>()> blank;
    std::function<Acad::ErrorStatus(const AcDbEntity*, AcDbDwgFiler*)> parentOut;
};

const std::vector<EntitySample>& entitySamples();

// Ids of a database that does not exist, for records that refer to other objects.
AcDbObjectId foreignId(std::uint32_t handle);

}  // namespace enttest
