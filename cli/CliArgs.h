#pragma once

#include <QHash>
#include <QStringList>

// Splits a command's words into positional arguments, options with a value
// ("--kind 2" or "--kind=2") and flags ("--signal").
class CliArgs
{
public:
    CliArgs(const QStringList &args, const QStringList &valueOptions, const QStringList &flags);

    bool ok() const { return m_error.isEmpty(); }
    const QString &error() const { return m_error; }
    const QStringList &positional() const { return m_positional; }
    bool has(const QString &option) const { return m_values.contains(option); }
    QString value(const QString &option) const { return m_values.value(option); }

private:
    QStringList m_positional;
    QHash<QString, QString> m_values;
    QString m_error;
};
