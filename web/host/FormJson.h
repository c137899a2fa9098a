// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows as the page builds them: each form, its menu tree and its
// controls with every property a host shows, as JSON. Menu items and
// controls are named by an id (their address) that the page hands back with
// the user's events; lookups check that the id belongs to the form.
#include <cstdint>
#include <string>

#include "language/English.h"

namespace vantor {
class Control;
class Form;
class MenuItem;
}  // namespace vantor

namespace vantor::web {

class Json;
class PictureStamps;

// The form and its controls; image controls carry their picture's stamp
// (see PictureStamps).
void describeForm(Json& json, const Form& form, Language language, PictureStamps& stamps);
// The form's menu tree, as an array of its top items.
void describeMenuBar(Json& json, const Form& form, Language language);

// The control or menu item of `form` with this id; nullptr for any other id.
Control* controlById(const Form& form, std::uintptr_t id);
MenuItem* menuItemById(const Form& form, std::uintptr_t id);

}  // namespace vantor::web
