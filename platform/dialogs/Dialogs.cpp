#include "platform/dialogs/Dialogs.h"

#include "platform/dialogs/QtDialogs.h"

namespace {
std::unique_ptr<Dialogs> &current()
{
    static std::unique_ptr<Dialogs> d;
    return d;
}
} // namespace

Dialogs &dialogs()
{
    if (!current())
        current() = std::make_unique<QtDialogs>();
    return *current();
}

std::unique_ptr<Dialogs> installDialogs(std::unique_ptr<Dialogs> d)
{
    std::unique_ptr<Dialogs> previous = std::move(current());
    current() = std::move(d);
    return previous;
}

QString Dialogs::saveFileFiltered(QWidget *parent, const QString &caption, const QString &folder,
                                  const QString &filter, int &filterIndex)
{
    return saveFile(parent, caption, folder, filter, QString());
}

QString Dialogs::openReport(QWidget *parent, const QString &caption, const QString &folder,
                            const QString &filter, const QString &address)
{
    Q_UNUSED(address);
    return openFile(parent, caption, folder, filter);
}

QString qtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        QString label = parts[i];
        // A label that already shows its patterns keeps them once.
        const int paren = label.indexOf(QLatin1String(" ("));
        if (paren >= 0)
            label = label.left(paren);
        out << QStringLiteral("%1 (%2)").arg(label, patterns);
    }
    return out.join(QStringLiteral(";;"));
}
