// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gui/FontWarmUp.h"
#include <fontconfig/fontconfig.h>

// The toolkit's own call finds the configuration loaded and returns at once.
std::thread StartFontWarmUp() {
    return std::thread([] { FcInit(); });
}
