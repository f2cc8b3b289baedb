// Registration of the entity classes' runtime classes with the host (called by startHost, after
// the database classes).
#pragma once

namespace vthost {
void registerEntityClasses();
}
