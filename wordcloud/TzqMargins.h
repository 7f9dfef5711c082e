#pragma once

// Distance in pixels from the control's edges to the cloud rectangle.
class TzqMargins
{
public:
    int Bottom = 10;
    int Left = 10;
    int Right = 10;
    int Top = 10;

    void Assign(const TzqMargins &source)
    {
        Bottom = source.Bottom;
        Left = source.Left;
        Right = source.Right;
        Top = source.Top;
    }
    bool operator==(const TzqMargins &o) const
    {
        return Bottom == o.Bottom && Left == o.Left && Right == o.Right && Top == o.Top;
    }
    bool operator!=(const TzqMargins &o) const { return !(*this == o); }
};
