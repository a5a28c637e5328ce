#include "app/MyColorOper.h"

#include <cstdint>

namespace pw::MyColorOper {

namespace {

int hexDigit(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - 'a' + 10;
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    return -1;
}

std::uint32_t readHexNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    if (i + 1 < text.size() && text[i] == QLatin1Char('0') && (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X')))
        i += 2;
    std::uint64_t number = 0;
    for (; i < text.size(); ++i) {
        const int digit = hexDigit(text[i]);
        if (digit < 0)
            break;
        number = number * 16 + static_cast<std::uint64_t>(digit);
        if (number > 0xFFFFFFFFULL)
            return 0xFFFFFFFFU;
    }
    return static_cast<std::uint32_t>(number);
}

QString twoHexDigits(double component)
{
    const int value = static_cast<int>(component * 255.99998474121094);
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0'));
}

} // namespace

QColor colorFromHexRGB(const std::optional<QString>& text)
{
    const std::uint32_t n = text ? readHexNumber(*text) : 0;
    return QColor::fromRgbF(static_cast<float>(((n >> 16) & 0xff) / 255.0), static_cast<float>(((n >> 8) & 0xff) / 255.0),
                            static_cast<float>((n & 0xff) / 255.0), 1.0F);
}

std::optional<QString> colorToHexRGB(const QColor& color)
{
    if (!color.isValid())
        return std::nullopt;
    const QColor rgb = color.toRgb();
    return QStringLiteral("0x") + twoHexDigits(rgb.redF()) + twoHexDigits(rgb.greenF()) + twoHexDigits(rgb.blueF());
}

} // namespace pw::MyColorOper
