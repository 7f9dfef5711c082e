#pragma once

// Small input helpers shared by the source files of RtfParser.
namespace RtfInput {

// The value of a hexadecimal digit, or -1 for any other byte.
inline int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A toggling control word (\b, \b1, \b0): on without a parameter or with one other than 0.
inline bool flag(bool hasParam, int param)
{
    return !hasParam || param != 0;
}

} // namespace RtfInput
