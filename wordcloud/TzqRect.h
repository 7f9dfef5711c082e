#pragma once

#include <QtGlobal>

// An integer rectangle given by its four edges. Width is Right - Left (not
// Right - Left + 1 as for QRect), which is how every box of the layout is
// measured and compared.
struct TzqRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr TzqRect() = default;
    constexpr TzqRect(int l, int t, int r, int b) : Left(l), Top(t), Right(r), Bottom(b) {}

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    // Area as a 64-bit product, so that large clouds never overflow.
    constexpr qint64 Area() const { return qint64(Width()) * qint64(Height()); }
    constexpr bool IsEmpty() const { return Width() == 0 || Height() == 0; }

    void Offset(int dx, int dy)
    {
        Left += dx;
        Right += dx;
        Top += dy;
        Bottom += dy;
    }
    // Point test with every edge included.
    constexpr bool Contains(int x, int y) const
    {
        return x >= Left && x <= Right && y >= Top && y <= Bottom;
    }
    constexpr bool operator==(const TzqRect &o) const
    {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
    constexpr bool operator!=(const TzqRect &o) const { return !(*this == o); }
};
