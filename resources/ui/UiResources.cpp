#include "resources/ui/UiResources.h"

#include <QtGlobal>

// Resources in a static library are registered only when something refers to them.
static void initQuillmereQrc() {
    Q_INIT_RESOURCE(quillmere);
}

namespace quillmere::resources {

void initUiResources() {
    static const bool done = (initQuillmereQrc(), true);
    (void)done;
}

}  // namespace quillmere::resources
