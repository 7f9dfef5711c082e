#include "platform/i18n/Languages.h"

const QList<LanguageInfo> &languageTable()
{
    // French and Spanish have help sets of their own; Polish users read the
    // English one, as the host application does.
    static const QList<LanguageInfo> table{
        {9, "en", "EN", "English", "Tessary.CHM", "en"},
        {12, "fr", "FR", "French", "VENDRALFR.CHM", "fr"},
        {1045, "pl", "PL", "Polish", "Tessary.CHM", "en"},
        {3082, "es", "ES", "Spanish", "VENDRALES.CHM", "es"},
    };
    return table;
}

const LanguageInfo *languageById(int id)
{
    for (const LanguageInfo &l : languageTable())
        if (l.id == id)
            return &l;
    const int primary = id & 0x3FF;
    if (id <= 0 || primary == 0)
        return nullptr;
    for (const LanguageInfo &l : languageTable())
        if ((l.id & 0x3FF) == primary)
            return &l;
    return nullptr;
}

const LanguageInfo *languageByCode(const QString &code)
{
    for (const LanguageInfo &l : languageTable())
        if (l.code.compare(code, Qt::CaseInsensitive) == 0)
            return &l;
    return nullptr;
}
