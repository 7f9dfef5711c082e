#include "platform/dialogs/StreamDialogs.h"

#include <QCoreApplication>

void StreamDialogs::message(QWidget *, const QString &text, Icon icon)
{
    if (icon != Icon::Information)
        ++m_errors;
    const char *label = icon == Icon::Error ? "error" : icon == Icon::Warning ? "warning" : "note";
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(m_stream, "%s: %s: %s\n", qPrintable(QCoreApplication::applicationName()), label,
                 line.toLocal8Bit().constData());
    std::fflush(m_stream);
}

bool StreamDialogs::confirm(QWidget *, const QString &text)
{
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(m_stream, "%s: not confirmed (no one to ask): %s\n",
                 qPrintable(QCoreApplication::applicationName()), line.toLocal8Bit().constData());
    std::fflush(m_stream);
    return false;
}
