#pragma once

#include <QHash>
#include <QObject>
#include <QString>

// The language of the word processor's dialogs. Translations come from an XML
// document with root "loc" and one element per language code ("FR", "ES",
// "PL"), each holding <t en="English text">translation</t> entries. English is
// built in: a text without a translation in the active language stays English.
class WPLanguage : public QObject
{
    Q_OBJECT
public:
    explicit WPLanguage(QObject *parent = nullptr);

    // True once a document with at least one language under "loc" was loaded.
    bool hasEntries() const { return !m_languages.isEmpty(); }
    // Reads the translations; returns false (and keeps what it had) when the
    // bytes are not such a document.
    bool load(const QByteArray &xml);
    bool hasLanguage(const QString &code) const;
    // Makes code the active language when it is "EN" or held by the document;
    // otherwise nothing changes and false is returned.
    bool setLanguage(const QString &code);
    QString language() const { return m_language; }
    // The text in the active language.
    QString text(const QString &english) const;
    // True when the active language has a text of its own for english (always
    // for English itself).
    bool translates(const QString &english) const;
    // The English text of a text shown before the last switch: looked up in
    // the language active before it, then among the English texts, then in
    // every language; empty when shown is none of them (data, not a caption).
    QString englishBefore(const QString &shown) const;

signals:
    void languageChanged();

private:
    QHash<QString, QHash<QString, QString>> m_languages;
    QString m_language = QStringLiteral("EN");
    QString m_previous = QStringLiteral("EN");
};
