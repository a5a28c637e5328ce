#pragma once

#include <QColor>
#include <QString>
#include <optional>

namespace pw::MyColorOper {

// The colour of a colour text: a hexadecimal number read from the start (blanks and line
// breaks skipped, an optional "0x" in either case); red bits 16-23, green 8-15, blue 0-7,
// higher bits ignored. No digits give black; more than 32 bits read as 0xFFFFFFFF.
QColor colorFromHexRGB(const std::optional<QString>& text);

// "0x" and two lowercase hexadecimal digits each for red, green and blue; none for a colour
// that has no RGB form. Components scale by 255.99998474121094 and truncate, so 0.5 is 7f.
std::optional<QString> colorToHexRGB(const QColor& color);

} // namespace pw::MyColorOper
