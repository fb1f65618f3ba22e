// Dialog data exchange: reads typed values back from edit fields. A value
// that does not convert or lies outside its bounds is reported with the
// standard field message (application caption, OK, warning icon) naming the
// field in its detail, the focus goes to the field, and the caller gets no
// value, so the dialog stays open.
#pragma once

#include "Prompts.h"
#include "TrText.h"

#include <optional>
#include <string_view>

class QLineEdit;
class QWidget;

inline constexpr TrText kMsgEnterInteger{"DataExchange",
                                         QT_TRANSLATE_NOOP("DataExchange", "Please enter an integer.")};
inline constexpr TrText kMsgEnterNumber{"DataExchange", QT_TRANSLATE_NOOP("DataExchange", "Please enter a number.")};
inline constexpr TrText kMsgEnterIntegerBetween{
    "DataExchange", QT_TRANSLATE_NOOP("DataExchange", "Please enter an integer between %1 and %2.")};
inline constexpr TrText kMsgEnterNumberBetween{
    "DataExchange", QT_TRANSLATE_NOOP("DataExchange", "Please enter a number between %1 and %2.")};
inline constexpr TrText kMsgEnterMaxChars{
    "DataExchange", QT_TRANSLATE_NOOP("DataExchange", "Please enter no more than %1 characters.")};
inline constexpr TrText kMsgCannotStoreChars{
    "DataExchange",
    QT_TRANSLATE_NOOP("DataExchange", "The receiver cannot store these characters: %1\nPlease use other characters.")};
inline constexpr TrText kInfoField{"DataExchange", QT_TRANSLATE_NOOP("DataExchange", "Field: %1")};

// The detail of a message about a field: its label in the dialog's form
// ("Field: PCR PID"), or nothing for a field without one.
QString FieldDetail(const QWidget* pField);

// Text to value, for any input. Blanks (space, tab) may surround the value.
// Integers: optional sign and decimal digits, within the 32-bit int range.
// Numbers: optional sign, digits with an optional fraction (or a fraction
// alone), optional exponent; a value a double cannot hold (too large, or so
// small that it would round to zero) is refused.
std::optional<int> ParseInt(std::string_view text);
std::optional<double> ParseNumber(std::string_view text);

// A number as the fields show it and the range messages quote it: up to 15
// significant digits, no trailing zeros ("180", "0.5", "1e+20").
QString FormatNumber(double value);

std::optional<int> ReadInt(IPrompts& prompts, QLineEdit* pEdit);
std::optional<int> ReadIntInRange(IPrompts& prompts, QLineEdit* pEdit, int min, int max);
std::optional<double> ReadNumber(IPrompts& prompts, QLineEdit* pEdit);
std::optional<double> ReadNumberInRange(IPrompts& prompts, QLineEdit* pEdit, double min, double max);
std::optional<QString> ReadText(IPrompts& prompts, QLineEdit* pEdit, int maxChars);
// A text the receiver stores as 8-bit Latin-1 bytes (names): ReadText, then
// characters beyond Latin-1 are refused with a message that names each one.
std::optional<QString> ReadRecordText(IPrompts& prompts, QLineEdit* pEdit, int maxChars);

// Lets only the digits 0-9 be typed (a text the program sets is shown as it is).
void AcceptDigitsOnly(QLineEdit* pEdit);

// Stops typing beyond maxChars without cutting a longer text that is set
// into the field, so a stored value is shown whole and ReadText reports it.
void LimitTyping(QLineEdit* pEdit, int maxChars);
