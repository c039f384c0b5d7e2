#pragma once
// The shift state of a mouse event: which keys and buttons were down, and whether the press was
// the second one of a double click.

#include <Qt>

#include <cstdint>

enum TShiftElement : int32_t {
    ssShift = 0,
    ssAlt = 1,
    ssCtrl = 2,
    ssLeft = 3,
    ssRight = 4,
    ssMiddle = 5,
    ssDouble = 6,
};

// One bit per TShiftElement.
using TShiftState = uint32_t;

constexpr TShiftState ShiftElementBit(int32_t element)
{
    return element >= ssShift && element <= ssDouble ? TShiftState {1} << element : 0;
}

// True only when the state holds exactly the given elements (none, one or two); an element
// outside the known ones adds nothing.
bool ShiftStateIs(TShiftState state, int32_t element1 = -1, int32_t element2 = -1);

TShiftState ShiftStateOf(
    Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, bool doubleClick);
