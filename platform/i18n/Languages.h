#pragma once

#include <QList>
#include <QString>

// One interface language of the program. The identifier is the number the
// host application stores in its settings file (a primary language
// identifier or a full language identifier).
struct LanguageInfo
{
    int id = 9;         // 9, 12, 1045, 3082
    QString code;       // file suffix of the translations: "en", "fr", "pl", "es"
    QString wpCode;     // the word processor's language code: "EN", "FR", "PL", "ES"
    QString name;       // English name, the caption of the language menu entry
    QString helpFile;   // help file name of the language's help set
    QString helpFolder; // folder of the language's help pages: "en", "fr", "es"
};

// The identifier of English, the default language.
constexpr int EnglishLanguageId = 9;

// Every language the program knows, English first.
const QList<LanguageInfo> &languageTable();

// The language of an identifier: an exact identifier of the table, or any
// identifier whose primary language (its low ten bits) is one of the table's
// (1036, French of France, is French). nullptr for any other identifier.
const LanguageInfo *languageById(int id);

// The language of a translation code ("fr"), nullptr when unknown.
const LanguageInfo *languageByCode(const QString &code);
