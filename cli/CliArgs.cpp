#include "cli/CliArgs.h"

CliArgs::CliArgs(const QStringList &args, const QStringList &valueOptions, const QStringList &flags)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (!a.startsWith(QLatin1String("--")) || a == QLatin1String("--")) {
            m_positional.append(a);
            continue;
        }
        QString name = a.mid(2);
        QString value;
        const int eq = name.indexOf(QLatin1Char('='));
        const bool inlineValue = eq >= 0;
        if (inlineValue) {
            value = name.mid(eq + 1);
            name = name.left(eq);
        }
        if (flags.contains(name) && !inlineValue) {
            m_values.insert(name, QString());
        } else if (valueOptions.contains(name)) {
            if (!inlineValue) {
                if (i + 1 >= args.size()) {
                    m_error = QStringLiteral("option --%1 needs a value").arg(name);
                    return;
                }
                value = args.at(++i);
            }
            m_values.insert(name, value);
        } else {
            m_error = QStringLiteral("unknown option --%1").arg(name);
            return;
        }
    }
}
