#pragma once
// Reading numbers from combo boxes, focusing a control without failing, and the system version.

#include <cstdint>

class QComboBox;
class QWidget;

// The integer in the box's text; an empty text gives the default silently. A text that is not an
// integer, or one outside minimum..maximum, gives the default after a warning that lists the
// limits; the box then gets the focus and shows the default.
int32_t GetIntFromComboBox(
    QComboBox *comboBox, int32_t minimum, int32_t maximum, int32_t defaultValue);
// The same over the whole 32-bit range with the default 0.
int32_t GetIntFromComboBox(QComboBox *comboBox);

// Gives the control the focus; a control that cannot take it (hidden, disabled) is left alone and
// the failure only recorded in Err.
void MyFocusControl(QWidget *control);

bool IsWindows5OrLater();
