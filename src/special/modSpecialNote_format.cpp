// How the special notes write numbers and the time.
#include "special/modSpecialNote.h"

#include <QLocale>

#include <charconv>
#include <cmath>

namespace modSpecialNote {

// The value's shortest decimal spelling is rounded as written, so 1.005 gives 1.01 and an exact
// half such as 0.125 goes away from zero, as a formatting pattern of two decimals does.
double RoundTwoDecimals(double value) {
    if (!std::isfinite(value))
        return 0;
    char buf[400];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed);
    if (ec != std::errc())
        return value;
    std::string digits(buf, end);
    std::size_t dot = digits.find('.');
    if (dot == std::string::npos) {
        dot = digits.size();
        digits += '.';
    }
    digits.append(3, '0');
    bool up = digits[dot + 3] >= '5';
    digits.resize(dot + 3);
    digits.erase(dot, 1);
    for (std::size_t i = digits.size(); up && i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            up = false;
            break;
        }
        digits[i] = '0';
    }
    if (up)
        digits.insert(digits.begin(), '1');
    digits.insert(digits.size() - 2, 1, '.');
    double rounded = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), rounded);
    return value < 0 ? -rounded : rounded;
}

QString FigureText(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', QLocale::FloatingPointShortest);
}

// "hh:mm:ss AMPM": the hour on the 12-hour clock, and the locale's designator.
QString TimeText(const QTime& time) {
    const QLocale locale;
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QString designator = time.hour() < 12 ? locale.amText() : locale.pmText();
    const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    const QString clock = two(hour12) + u':' + two(time.minute()) + u':' + two(time.second());
    return designator.isEmpty() ? clock : clock + u' ' + designator;
}

} // namespace modSpecialNote
