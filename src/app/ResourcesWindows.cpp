#include "app/ResourcesWindows.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a function in the global namespace, so it is called from here.
static void registerIcons() {
    Q_INIT_RESOURCE(icons);
}

namespace tessaran {

void initResourcesWindows() {
    static const bool registered = [] {
        registerIcons();
        return true;
    }();
    (void)registered;
}

}  // namespace tessaran
