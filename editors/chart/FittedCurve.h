#pragma once

#include <QPointF>
#include <QString>
#include <vector>

// The fitted regression model a host describes in a scatter page's
// information: six coefficients and a model type, and the curve's samples
// across a horizontal range.
class FittedCurve
{
public:
    // The value standing for "no point here".
    static constexpr double kNoPoint = -9999;

    // Model types.
    enum Type
    {
        Linear = 0,
        Poly2 = 1,
        Poly3 = 2,
        Poly4 = 3,
        Poly5 = 4,
        Inverse = 5,
        Logarithmic = 6,
        Exponential = 7
    };

    // Reads a descriptor whose sub-fields are separated by tabs: "12", six
    // coefficients (decimal numbers in the user's locale, or with a point), and
    // the model type. False when sub-field 1 is not "12".
    static bool parse(const QString &descriptor, FittedCurve *curve);
    // The fourth tab field of a page information string with its code-30
    // separators turned into tabs; empty when field 1 is not "S".
    static QString descriptorOf(const QString &pageInfo);

    // y of the model at x, or kNoPoint for an unknown type.
    double value(double x) const;
    // x^j as the model computes it: e^(j·ln|x|), 0 for x = 0, negated for
    // negative x and odd j.
    static double power(double x, int j);
    // The 101 samples from xmin to xmax (step (xmax − xmin) / 100), leaving out
    // those with no point.
    std::vector<QPointF> samples(double xmin, double xmax) const;

    int type = -1;
    double c[6] = {0, 0, 0, 0, 0, 0};
};
