#include "ui/Input.h"

bool ShiftStateIs(TShiftState state, int32_t element1, int32_t element2)
{
    return state == (ShiftElementBit(element1) | ShiftElementBit(element2));
}

TShiftState ShiftStateOf(
    Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, bool doubleClick)
{
    TShiftState state = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        state |= ShiftElementBit(ssShift);
    if (modifiers.testFlag(Qt::AltModifier))
        state |= ShiftElementBit(ssAlt);
    if (modifiers.testFlag(Qt::ControlModifier))
        state |= ShiftElementBit(ssCtrl);
    if (buttons.testFlag(Qt::LeftButton))
        state |= ShiftElementBit(ssLeft);
    if (buttons.testFlag(Qt::RightButton))
        state |= ShiftElementBit(ssRight);
    if (buttons.testFlag(Qt::MiddleButton))
        state |= ShiftElementBit(ssMiddle);
    if (doubleClick)
        state |= ShiftElementBit(ssDouble);
    return state;
}
