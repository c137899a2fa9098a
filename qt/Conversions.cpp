// SPDX-License-Identifier: GPL-3.0-or-later
#include "Conversions.h"

#include <array>

#include "platform/widgets/Image.h"
#include "platform/widgets/VirtualKey.h"

namespace vantor::qt {

MouseButton toButton(Qt::MouseButton button) {
    if (button == Qt::RightButton) return MouseButton::Right;
    if (button == Qt::MiddleButton) return MouseButton::Middle;
    return MouseButton::Left;
}

unsigned toShift(Qt::KeyboardModifiers modifiers) {
    unsigned s = ShiftNone;
    if (modifiers & Qt::ShiftModifier) s |= ShiftShift;
    if (modifiers & Qt::ControlModifier) s |= ShiftCtrl;
    if (modifiers & Qt::AltModifier) s |= ShiftAlt;
    return s;
}

unsigned toShift(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    unsigned s = toShift(modifiers);
    if (buttons & Qt::LeftButton) s |= ShiftLeft;
    if (buttons & Qt::RightButton) s |= ShiftRight;
    if (buttons & Qt::MiddleButton) s |= ShiftMiddle;
    return s;
}

namespace {
// A run of consecutive Qt keys and the virtual-key code of its first key;
// the others follow one by one.
struct KeyRun {
    Qt::Key first;
    Qt::Key last;
    int virtualKey;
};

// Only keys whose virtual-key code does not depend on the keyboard layout.
constexpr std::array<KeyRun, 27> keyTable{{
    {Qt::Key_Backspace, Qt::Key_Backspace, vk::Backspace},
    {Qt::Key_Tab, Qt::Key_Tab, vk::Tab},
    {Qt::Key_Backtab, Qt::Key_Backtab, vk::Tab},  // Shift+Tab
    {Qt::Key_Return, Qt::Key_Return, vk::Return},
    {Qt::Key_Enter, Qt::Key_Enter, vk::Return},  // the keypad's Enter
    {Qt::Key_Shift, Qt::Key_Shift, vk::Shift},
    {Qt::Key_Control, Qt::Key_Control, vk::Control},
    {Qt::Key_Alt, Qt::Key_Alt, vk::Alt},
    {Qt::Key_Pause, Qt::Key_Pause, vk::Pause},
    {Qt::Key_CapsLock, Qt::Key_CapsLock, vk::CapsLock},
    {Qt::Key_Escape, Qt::Key_Escape, vk::Escape},
    {Qt::Key_Space, Qt::Key_Space, vk::Space},
    {Qt::Key_PageUp, Qt::Key_PageUp, vk::PageUp},
    {Qt::Key_PageDown, Qt::Key_PageDown, vk::PageDown},
    {Qt::Key_End, Qt::Key_End, vk::End},
    {Qt::Key_Home, Qt::Key_Home, vk::Home},
    {Qt::Key_Left, Qt::Key_Down, vk::Left},  // Left, Up, Right, Down
    {Qt::Key_Print, Qt::Key_Print, vk::Print},
    {Qt::Key_Insert, Qt::Key_Insert, vk::Insert},
    {Qt::Key_Delete, Qt::Key_Delete, vk::Delete},
    {Qt::Key_Help, Qt::Key_Help, vk::Help},
    {Qt::Key_0, Qt::Key_9, vk::Digit0},
    {Qt::Key_A, Qt::Key_Z, vk::LetterA},
    {Qt::Key_Menu, Qt::Key_Menu, vk::Menu},
    {Qt::Key_F1, Qt::Key_F24, vk::F1},
    {Qt::Key_NumLock, Qt::Key_NumLock, vk::NumLock},
    {Qt::Key_ScrollLock, Qt::Key_ScrollLock, vk::ScrollLock},
}};
}  // namespace

int virtualKeyOf(int qtKey) {
    for (const KeyRun& run : keyTable)
        if (qtKey >= run.first && qtKey <= run.last) return run.virtualKey + (qtKey - run.first);
    return 0;
}

}  // namespace vantor::qt
