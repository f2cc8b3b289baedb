// Registration of the database layer's runtime classes with the host (called by startHost).
#pragma once

namespace vthost {
void registerDatabaseClasses();
}
