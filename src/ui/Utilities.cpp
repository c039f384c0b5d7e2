#include "ui/Utilities.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/Texts.h"

#include <QComboBox>
#include <QWidget>

#include <charconv>
#include <limits>
#include <stdexcept>
#include <string>

namespace {

int32_t textToInt32(const std::string &text)
{
    int32_t value = 0;
    const char *first = text.data();
    const char *last = text.data() + text.size();
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last)
        THROW(std::invalid_argument("'" + text + "' is not a valid integer value"));
    return value;
}

std::string limitsWarning(int32_t minimum, int32_t maximum, int32_t defaultValue)
{
    return FormatText(TR("Message",
                          "Integer value outside limits.\nIt will be set to default.\n"
                          "    * Minimum = %1\n    * Maximum = %2\n    * Default = %3"),
        {std::to_string(minimum), std::to_string(maximum), std::to_string(defaultValue)});
}

} // namespace

int32_t GetIntFromComboBox(
    QComboBox *comboBox, int32_t minimum, int32_t maximum, int32_t defaultValue)
{
    FUNCTION_NAME("GetIntFromComboBox");
    int32_t result = 0;
    detail::RunUnderErrorGuard(HERE, [&] {
        const std::string text = comboBox->currentText().toStdString();
        result = text.empty() ? defaultValue : textToInt32(text);
        if (result < minimum || result > maximum)
            Err.Raise(HERE, "(sVal < pMin) || (sVal > pMax)");
    });
    if (!Err.Raised)
        return result;
    Err.Raised = false;
    WarningDialog(limitsWarning(minimum, maximum, defaultValue));
    MyFocusControl(comboBox);
    comboBox->setCurrentText(QString::number(defaultValue));
    return defaultValue;
}

int32_t GetIntFromComboBox(QComboBox *comboBox)
{
    return GetIntFromComboBox(
        comboBox, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), 0);
}

void MyFocusControl(QWidget *control)
{
    FUNCTION_NAME("MyFocusControl");
    ErrorGuardSwallow(HERE, [&] {
        if (control == nullptr || !control->isVisible() || !control->isEnabled())
            RaiseError(HERE, TR("Error", "Cannot focus a disabled or invisible window."));
        control->setFocus(Qt::OtherFocusReason);
    });
}

bool IsWindows5OrLater()
{
    return true;
}
