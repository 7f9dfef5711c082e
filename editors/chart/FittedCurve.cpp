#include "editors/chart/FittedCurve.h"

#include "store/TDM.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

namespace {
double readNumber(const QString &text)
{
    const QString t = text.trimmed();
    bool ok = false;
    double v = QLocale().toDouble(t, &ok);
    if (!ok)
        v = QLocale::c().toDouble(t, &ok);
    if (!ok)
        v = QLocale::c().toDouble(QString(t).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    return ok ? v : 0.0;
}
} // namespace

QString FittedCurve::descriptorOf(const QString &pageInfo)
{
    if (TDM::tabField(pageInfo, 1) != QLatin1String("S"))
        return QString();
    QString d = TDM::tabField(pageInfo, 4);
    d.replace(QChar(30), QLatin1Char('\t'));
    return d;
}

bool FittedCurve::parse(const QString &descriptor, FittedCurve *curve)
{
    if (TDM::tabField(descriptor, 1) != QLatin1String("12"))
        return false;
    for (int i = 0; i < 6; ++i)
        curve->c[i] = readNumber(TDM::tabField(descriptor, i + 2));
    bool ok = false;
    curve->type = TDM::tabField(descriptor, 8).trimmed().toInt(&ok);
    if (!ok)
        curve->type = -1;
    return true;
}

double FittedCurve::power(double x, int j)
{
    if (x == 0)
        return 0;
    const double v = std::exp(j * std::log(std::fabs(x)));
    return (x < 0 && (j % 2) == 1) ? -v : v;
}

double FittedCurve::value(double x) const
{
    switch (type) {
    case Linear:
        return c[0] + c[1] * x;
    case Poly2:
    case Poly3:
    case Poly4:
    case Poly5: {
        double y = c[0];
        for (int j = 1; j <= type + 1; ++j)
            y += c[j] * power(x, j);
        return y;
    }
    case Inverse:
        return x == 0 ? c[0] : c[0] + c[1] / x;
    case Logarithmic:
        return x > 0 ? c[0] + c[1] * std::log(x) : c[0];
    case Exponential:
        return c[0] * std::exp(c[1] * x);
    default:
        return kNoPoint;
    }
}

std::vector<QPointF> FittedCurve::samples(double xmin, double xmax) const
{
    std::vector<QPointF> out;
    const double step = (xmax - xmin) / 100.0;
    for (int i = 1; i <= 101; ++i) {
        const double x = (i - 1) * step + xmin;
        const double y = value(x);
        if (y != kNoPoint)
            out.emplace_back(x, y);
    }
    return out;
}
