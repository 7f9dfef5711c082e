#include "platform/wordproc/view/WPLanguage.h"

#include "platform/wordproc/view/WPViewLog.h"

#include <QXmlStreamReader>

WPLanguage::WPLanguage(QObject *parent) : QObject(parent) {}

bool WPLanguage::load(const QByteArray &xml)
{
    QHash<QString, QHash<QString, QString>> languages;
    QXmlStreamReader r(xml);
    if (!r.readNextStartElement() || r.name() != QLatin1String("loc")) {
        qCWarning(lcWPView) << "language file has no root element loc";
        return false;
    }
    while (r.readNextStartElement()) {
        const QString code = r.name().toString().toUpper();
        QHash<QString, QString> &texts = languages[code];
        while (r.readNextStartElement()) {
            if (r.name() == QLatin1String("t")) {
                const QString english = r.attributes().value(QLatin1String("en")).toString();
                const QString translated = r.readElementText();
                if (!english.isEmpty() && !translated.isEmpty())
                    texts.insert(english, translated);
            } else {
                r.skipCurrentElement();
            }
        }
    }
    if (r.hasError()) {
        qCWarning(lcWPView) << "language file:" << r.errorString();
        return false;
    }
    m_languages = languages;
    return true;
}

bool WPLanguage::hasLanguage(const QString &code) const
{
    return m_languages.contains(code.toUpper());
}

bool WPLanguage::setLanguage(const QString &code)
{
    const QString upper = code.toUpper();
    if (upper != QLatin1String("EN") && !m_languages.contains(upper))
        return false;
    if (upper != m_language) {
        m_previous = m_language;
        m_language = upper;
        emit languageChanged();
    }
    return true;
}

QString WPLanguage::text(const QString &english) const
{
    const auto lang = m_languages.constFind(m_language);
    if (lang == m_languages.cend())
        return english;
    return lang->value(english, english);
}

bool WPLanguage::translates(const QString &english) const
{
    if (m_language == QLatin1String("EN"))
        return true;
    const auto lang = m_languages.constFind(m_language);
    return lang != m_languages.cend() && lang->contains(english);
}

QString WPLanguage::englishBefore(const QString &shown) const
{
    // The language of the last switch first: what it shows is most likely
    // there. Then English itself (the keys of every language), then any
    // language, for a text that someone else put into another language.
    const auto previous = m_languages.constFind(m_previous);
    if (previous != m_languages.cend()) {
        const QString english = previous->key(shown);
        if (!english.isEmpty())
            return english;
    }
    for (const auto &texts : m_languages)
        if (texts.contains(shown))
            return shown;
    for (const auto &texts : m_languages) {
        const QString english = texts.key(shown);
        if (!english.isEmpty())
            return english;
    }
    return QString();
}
