// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gui/DisplayLocaleWarmUp.h"
#include <QByteArray>
#include <QtGlobal>
#include <cstring>
#include <dlfcn.h>
#include <langinfo.h>

namespace {

// The toolkit talks to X itself when no other platform is asked for.
bool ShowsOnXDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return !qEnvironmentVariableIsEmpty("DISPLAY") && (platform.isEmpty() || platform.startsWith("xcb"));
}

} // namespace

std::thread StartDisplayLocaleWarmUp() {
    // In any other locale the application object changes the character set first, and
    // the locale read here would not be the one it uses.
    if (!ShowsOnXDisplay() || std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) return {};
    return std::thread([] {
        // The library the display connection loads anyway; it stays loaded. Loading it
        // makes it safe for threads before anything else calls it.
        void* x11 = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
        if (!x11) return;
        using SupportsLocale = int (*)();
        if (auto supportsLocale = reinterpret_cast<SupportsLocale>(dlsym(x11, "XSupportsLocale"))) supportsLocale();
    });
}
