#include "DataExchange.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStringList>

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Removes a leading sign; true when it was a minus.
bool TakeSign(std::string_view& text)
{
    if (text.empty() || (text.front() != '+' && text.front() != '-'))
        return false;
    const bool negative = text.front() == '-';
    text.remove_prefix(1);
    return negative;
}

// Count of leading decimal digits.
size_t DigitRun(std::string_view text, size_t from)
{
    size_t i = from;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i - from;
}

void ReportFailure(IPrompts& prompts, QLineEdit* pEdit, const QString& message)
{
    AppMessage(prompts, message, MsgButtons::Ok, MsgIcon::Warning, FieldDetail(pEdit));
    pEdit->setFocus();
    pEdit->selectAll();
}

std::string FieldText(const QLineEdit* pEdit) { return pEdit->text().toStdString(); }

// Refuses growth past the limit; a change that does not lengthen the text
// (deleting, overtyping a selection) is always allowed. A text the program
// sets clears the field's undo history, which is how it is told apart from
// typing and always taken whole.
class TypingLimit : public QValidator {
public:
    TypingLimit(QLineEdit* pEdit, int maxChars)
        : QValidator(pEdit), pEdit(pEdit), iMaxChars(maxChars), iLength(pEdit->text().size())
    {
        connect(pEdit, &QLineEdit::textChanged, this, [this](const QString& text) { iLength = text.size(); });
    }
    State validate(QString& text, int&) const override
    {
        if (!pEdit->isUndoAvailable() || text.size() <= iMaxChars || text.size() <= iLength)
            return Acceptable;
        return Invalid;
    }

private:
    const QLineEdit* pEdit;
    int iMaxChars;
    qsizetype iLength;
};

} // namespace

QString FieldDetail(const QWidget* pField)
{
    for (const QFormLayout* pForm : pField->window()->findChildren<QFormLayout*>())
        if (const auto* pLabel = qobject_cast<const QLabel*>(pForm->labelForField(const_cast<QWidget*>(pField))))
            return kInfoField.arg(pLabel->text().remove(QLatin1Char('&')));
    return {};
}

std::optional<int> ParseInt(std::string_view text)
{
    text = TrimBlanks(text);
    const bool negative = TakeSign(text);
    if (text.empty() || DigitRun(text, 0) != text.size())
        return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
        if (value > int64_t(INT_MAX) + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > INT_MAX)
        return std::nullopt;
    return int(value);
}

std::optional<double> ParseNumber(std::string_view text)
{
    text = TrimBlanks(text);
    const bool negative = TakeSign(text);
    // digits [. digits] | . digits, then optionally e [sign] digits.
    size_t i = DigitRun(text, 0);
    size_t mantissaDigits = i;
    if (i < text.size() && text[i] == '.') {
        const size_t fraction = DigitRun(text, i + 1);
        mantissaDigits += fraction;
        i += 1 + fraction;
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const size_t exponentDigits = DigitRun(text, j);
        if (exponentDigits == 0)
            return std::nullopt;
        i = j + exponentDigits;
    }
    if (i != text.size())
        return std::nullopt;
    // The text is now what from_chars reads in full; it refuses values
    // beyond the double range (overflow and underflow alike).
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

QString FormatNumber(double value) { return QString::number(value, 'g', 15); }

std::optional<int> ReadInt(IPrompts& prompts, QLineEdit* pEdit)
{
    const std::optional<int> value = ParseInt(FieldText(pEdit));
    if (!value)
        ReportFailure(prompts, pEdit, kMsgEnterInteger);
    return value;
}

std::optional<int> ReadIntInRange(IPrompts& prompts, QLineEdit* pEdit, int min, int max)
{
    const std::optional<int> value = ReadInt(prompts, pEdit);
    if (value && (*value < min || *value > max)) {
        ReportFailure(prompts, pEdit, kMsgEnterIntegerBetween.arg(min).arg(max));
        return std::nullopt;
    }
    return value;
}

std::optional<double> ReadNumber(IPrompts& prompts, QLineEdit* pEdit)
{
    const std::optional<double> value = ParseNumber(FieldText(pEdit));
    if (!value)
        ReportFailure(prompts, pEdit, kMsgEnterNumber);
    return value;
}

std::optional<double> ReadNumberInRange(IPrompts& prompts, QLineEdit* pEdit, double min, double max)
{
    const std::optional<double> value = ReadNumber(prompts, pEdit);
    if (value && (*value < min || *value > max)) {
        ReportFailure(prompts, pEdit, kMsgEnterNumberBetween.arg(FormatNumber(min), FormatNumber(max)));
        return std::nullopt;
    }
    return value;
}

std::optional<QString> ReadText(IPrompts& prompts, QLineEdit* pEdit, int maxChars)
{
    const QString text = pEdit->text();
    if (text.size() > maxChars) {
        ReportFailure(prompts, pEdit, kMsgEnterMaxChars.arg(maxChars));
        return std::nullopt;
    }
    return text;
}

std::optional<QString> ReadRecordText(IPrompts& prompts, QLineEdit* pEdit, int maxChars)
{
    const std::optional<QString> text = ReadText(prompts, pEdit, maxChars);
    if (!text)
        return std::nullopt;
    // Each character beyond Latin-1 once, in order, shown with its code point
    // so that look-alikes and invisible ones can be told apart.
    QStringList named;
    for (const char32_t c : text->toUcs4()) {
        if (c <= 0xFF)
            continue;
        const QString code = QString::number(uint(c), 16).toUpper().rightJustified(4, u'0');
        const QString entry = QStringLiteral("\"%1\" (U+%2)").arg(QString::fromUcs4(&c, 1), code);
        if (!named.contains(entry))
            named << entry;
    }
    if (named.isEmpty())
        return text;
    ReportFailure(prompts, pEdit, kMsgCannotStoreChars.arg(named.join(QStringLiteral(", "))));
    return std::nullopt;
}

void AcceptDigitsOnly(QLineEdit* pEdit)
{
    pEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), pEdit));
}

void LimitTyping(QLineEdit* pEdit, int maxChars) { pEdit->setValidator(new TypingLimit(pEdit, maxChars)); }
