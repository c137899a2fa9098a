// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh program over the scripted desktop with a Qt host for every window,
// offscreen: the windows as the user sees them, the answers scripted.
#include <gtest/gtest.h>

#include <QAction>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "FormHost.h"
#include "app/Program.h"
#include "support/ProgramFixture.h"

namespace vantor::test {

struct HostedProgram : ProgramFixture {
    std::vector<std::unique_ptr<qt::FormHost>> hosts;
    void SetUp() override {
        startProgram();
        for (Form* f : program->forms()) hosts.push_back(std::make_unique<qt::FormHost>(*f, *program));
    }
    qt::FormHost& host(const std::string& name) {
        for (auto& h : hosts)
            if (h->form().name() == name) return *h;
        throw std::runtime_error("no host " + name);
    }
    QAction* action(qt::FormHost& h, const char* name) { return h.findChild<QAction*>(name); }
};

}  // namespace vantor::test
