#pragma once

#include <QCoreApplication>
#include <QString>
#include <stdexcept>

// Base of every error raised by Tessary's libraries and parsers. The message is
// meant for the user: it is what the standard error box shows, so it is made
// with QCoreApplication::translate in the interface language of the moment.
class TessaryError : public std::runtime_error
{
public:
    explicit TessaryError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString &message() const { return m_message; }

private:
    QString m_message;
};
