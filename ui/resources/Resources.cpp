#include "ui/resources/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a function at global scope, so it may not be called from inside a
// namespace.
static void InitQuintaraResources() {
    Q_INIT_RESOURCE(quintara);
}

namespace quintara {

void InitResources() {
    InitQuintaraResources();
}

}  // namespace quintara
