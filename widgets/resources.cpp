#include "widgets/resources.h"

#include <QtGlobal>

#include <mutex>

// Q_INIT_RESOURCE has to be used outside any namespace.
static void RegisterSelvaneResources() {
    Q_INIT_RESOURCE(selvane);
}

namespace selvane {

void InitResources() {
    static std::once_flag once;
    std::call_once(once, RegisterSelvaneResources);
}

} // namespace selvane
