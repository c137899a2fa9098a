// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Help topics: the windows ask for help by keyword ("HLP000061"); F1 asks
// for the topic of the window that has the focus. The user manual has one
// section per topic, named by the keyword.
#include <string>

namespace vantor {

class Form;

// The manual's start page.
inline const std::string helpStartPage;
// The manual's section on the licence and the libraries' notices.
inline const std::string LicenceTopic = "licence";

// The topic F1 opens on a window: its help context as a keyword when it has
// one, else the section that describes the window.
std::string helpTopicFor(const Form& form);

}  // namespace vantor
