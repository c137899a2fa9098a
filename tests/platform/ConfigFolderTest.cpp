// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "platform/files/Files.h"

using namespace vantor;

// An empty variable counts as unset, so the option file never lands in
// "/freevantor" or in a folder relative to wherever the program started.
TEST(ConfigFolder, XdgFolderFirstThenHomeThenNone) {
    struct Case {
        const char* name;
        const char* xdg;
        const char* home;
        std::string expected;
    };
    const Case cases[] = {
        {"xdg wins over home", "/x/cfg", "/home/u", "/x/cfg/freevantor"},
        {"xdg alone", "/x/cfg", nullptr, "/x/cfg/freevantor"},
        {"home when xdg unset", nullptr, "/home/u", "/home/u/.config/freevantor"},
        {"home when xdg empty", "", "/home/u", "/home/u/.config/freevantor"},
        {"relative xdg is ignored", "cfg", "/home/u", "/home/u/.config/freevantor"},
        {"neither set", nullptr, nullptr, ""},
        {"both empty", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(userConfigFolder(c.xdg, c.home), c.expected);
    }
}
