#include "Conversions.h"

#include <array>

#include "platform/widgets/Image.h"

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
    {Qt::Key_Backspace, Qt::Key_Backspace, 0x08},
    {Qt::Key_Tab, Qt::Key_Tab, 0x09},
    {Qt::Key_Backtab, Qt::Key_Backtab, 0x09},  // Shift+Tab
    {Qt::Key_Return, Qt::Key_Return, 0x0D},
    {Qt::Key_Enter, Qt::Key_Enter, 0x0D},  // the keypad's Enter
    {Qt::Key_Shift, Qt::Key_Shift, 0x10},
    {Qt::Key_Control, Qt::Key_Control, 0x11},
    {Qt::Key_Alt, Qt::Key_Alt, 0x12},
    {Qt::Key_Pause, Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, Qt::Key_CapsLock, 0x14},
    {Qt::Key_Escape, Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, Qt::Key_PageUp, 0x21},
    {Qt::Key_PageDown, Qt::Key_PageDown, 0x22},
    {Qt::Key_End, Qt::Key_End, 0x23},
    {Qt::Key_Home, Qt::Key_Home, 0x24},
    {Qt::Key_Left, Qt::Key_Down, 0x25},  // Left, Up, Right, Down
    {Qt::Key_Print, Qt::Key_Print, 0x2C},
    {Qt::Key_Insert, Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, Qt::Key_Delete, 0x2E},
    {Qt::Key_Help, Qt::Key_Help, 0x2F},
    {Qt::Key_0, Qt::Key_9, 0x30},
    {Qt::Key_A, Qt::Key_Z, 0x41},
    {Qt::Key_Menu, Qt::Key_Menu, 0x5D},
    {Qt::Key_F1, Qt::Key_F24, 0x70},
    {Qt::Key_NumLock, Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, Qt::Key_ScrollLock, 0x91},
}};
}  // namespace

int virtualKeyOf(int qtKey) {
    for (const KeyRun& run : keyTable)
        if (qtKey >= run.first && qtKey <= run.last) return run.virtualKey + (qtKey - run.first);
    return 0;
}

}  // namespace vantor::qt
