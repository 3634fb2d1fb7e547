#include "ui/gui/FontWarmUp.h"
#include <fontconfig/fontconfig.h>

// The toolkit's own call finds the configuration loaded and returns at once.
std::thread StartFontWarmUp() {
    return std::thread([] { FcInit(); });
}
