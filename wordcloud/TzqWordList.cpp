#include "wordcloud/TzqWordList.h"

#include "platform/TessaryError.h"

#include <QStringList>

QVector<TzqWordLine> TzqWordList::parse(const QByteArray &utf8, const QString &source)
{
    QVector<TzqWordLine> words;
    const QStringList lines = QString::fromUtf8(utf8).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        bool ok = false;
        const int weight = fields.size() == 2 ? fields.at(1).trimmed().toInt(&ok) : 0;
        if (fields.size() != 2 || fields.at(0).trimmed().isEmpty() || !ok || weight < 1)
            throw TessaryError(
                QCoreApplication::translate("WordCloud",
                                            "%1: line %2: expected a word, a tab and a positive "
                                            "whole number, got \"%3\"")
                    .arg(source)
                    .arg(i + 1)
                    .arg(line.left(200)));
        words.append({fields.at(0).trimmed(), weight});
    }
    if (words.isEmpty())
        throw TessaryError(
            QCoreApplication::translate("WordCloud", "the word file %1 holds no words")
                .arg(source));
    return words;
}
