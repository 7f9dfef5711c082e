#pragma once

#include <QHash>
#include <QList>
#include <QMutex>
#include <QTranslator>
#include <memory>

// The program's translator. It answers from the translations of the current
// language (none for English) and remembers, for every text it was asked for,
// which source text and context produced what was shown. That lets texts that
// forms set once when they were built be put into another language later:
// shownSource() maps a text back to its source whatever language it is in.
class RecordingTranslator : public QTranslator
{
    Q_OBJECT
public:
    struct Source
    {
        QByteArray context;
        QByteArray text;
        QByteArray disambiguation;
    };

    explicit RecordingTranslator(QObject *parent = nullptr);
    ~RecordingTranslator() override;

    // The translations answered from now on; nullptr answers nothing (English).
    void setTranslations(std::unique_ptr<QTranslator> translations);
    bool hasTranslations() const { return m_translations != nullptr; }

    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }

    // The sources that gave the shown text (empty when none is known). Among
    // several, those whose context is in preferredContexts come first.
    QList<Source> sourcesOf(const QString &shown,
                            const QList<QByteArray> &preferredContexts = {}) const;

private:
    void remember(const QString &shown, const char *context, const char *sourceText,
                  const char *disambiguation) const;

    std::unique_ptr<QTranslator> m_translations;
    mutable QMutex m_mutex;
    mutable QHash<QString, QList<Source>> m_shown;
};
