#include "runtime/conversions.h"

#include <array>
#include <cctype>

namespace rt {

double val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    double sign = 1.0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-')
            sign = -1.0;
        ++i;
    }
    double number = 0.0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        number = number * 10.0 + (text[i] - '0');
    }
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
            number += (text[i] - '0') * scale;
            scale /= 10.0;
        }
    }
    return sign * number;
}

std::string str(long long number) {
    return number < 0 ? std::to_string(number) : " " + std::to_string(number);
}

std::string chr(int code) {
    if (code < 0 || code > 255)
        return "";
    return std::string(1, static_cast<char>(code));
}

std::string mid(std::string_view text, int start, int length) {
    if (start < 1 || static_cast<std::size_t>(start) > text.size())
        return "";
    std::string_view rest = text.substr(static_cast<std::size_t>(start - 1));
    if (length >= 0 && static_cast<std::size_t>(length) < rest.size())
        rest = rest.substr(0, length);
    return std::string(rest);
}

std::string right(std::string_view text, int length) {
    if (length <= 0)
        return "";
    if (static_cast<std::size_t>(length) >= text.size())
        return std::string(text);
    return std::string(text.substr(text.size() - static_cast<std::size_t>(length)));
}

Colour qbColor(int index) {
    static constexpr std::array<Colour, 16> kPalette = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    return kPalette[static_cast<std::size_t>(index) & 15u];
}

}  // namespace rt
