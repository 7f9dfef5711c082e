#include "platform/i18n/RecordingTranslator.h"

#include <QMutexLocker>

RecordingTranslator::RecordingTranslator(QObject *parent) : QTranslator(parent) {}

RecordingTranslator::~RecordingTranslator() = default;

void RecordingTranslator::setTranslations(std::unique_ptr<QTranslator> translations)
{
    m_translations = std::move(translations);
}

QString RecordingTranslator::translate(const char *context, const char *sourceText,
                                       const char *disambiguation, int n) const
{
    if (!sourceText || !*sourceText)
        return QString();
    QString t;
    if (m_translations)
        t = m_translations->translate(context, sourceText, disambiguation, n);
    // Plural forms depend on n: they are composed again by whoever shows them.
    if (n < 0 && context)
        remember(t.isEmpty() ? QString::fromUtf8(sourceText) : t, context, sourceText,
                 disambiguation);
    return t;
}

void RecordingTranslator::remember(const QString &shown, const char *context,
                                   const char *sourceText, const char *disambiguation) const
{
    Source s{QByteArray(context), QByteArray(sourceText),
             QByteArray(disambiguation ? disambiguation : "")};
    QMutexLocker lock(&m_mutex);
    QList<Source> &list = m_shown[shown];
    for (const Source &o : list)
        if (o.context == s.context && o.text == s.text && o.disambiguation == s.disambiguation)
            return;
    list.append(s);
}

QList<RecordingTranslator::Source>
RecordingTranslator::sourcesOf(const QString &shown,
                               const QList<QByteArray> &preferredContexts) const
{
    QList<Source> list;
    {
        QMutexLocker lock(&m_mutex);
        list = m_shown.value(shown);
    }
    if (list.size() < 2 || preferredContexts.isEmpty())
        return list;
    QList<Source> ordered;
    for (const QByteArray &c : preferredContexts)
        for (const Source &s : list)
            if (s.context == c)
                ordered.append(s);
    for (const Source &s : list)
        if (!preferredContexts.contains(s.context))
            ordered.append(s);
    return ordered;
}
