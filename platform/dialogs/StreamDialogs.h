#pragma once

#include "platform/dialogs/Dialogs.h"

#include <cstdio>
#include <functional>

// Dialogs for runs without a user: messages go to a stream (standard error),
// questions are answered No, inputs and choices are cancelled. Installed for
// runs without a display and once a quit was requested, so that nothing ever
// waits for an answer. errorCount() counts the error and warning messages.
class StreamDialogs : public Dialogs
{
public:
    explicit StreamDialogs(FILE *stream = stderr) : m_stream(stream) {}

    void message(QWidget *parent, const QString &text, Icon icon) override;
    bool confirm(QWidget *parent, const QString &text) override;
    std::optional<QString> inputText(QWidget *, const QString &, const QString &,
                                     const QString &) override
    {
        return std::nullopt;
    }
    QString openFile(QWidget *, const QString &, const QString &, const QString &, int) override
    {
        return QString();
    }
    QStringList openFiles(QWidget *, const QString &, const QString &, const QString &,
                          int) override
    {
        return {};
    }
    QString saveFile(QWidget *, const QString &, const QString &, const QString &,
                     const QString &) override
    {
        return QString();
    }
    std::optional<QColor> chooseColor(QWidget *, const QColor &) override { return std::nullopt; }
    std::optional<QFont> chooseFont(QWidget *, const QFont &) override { return std::nullopt; }
    bool print(QWidget *, QPrinter *) override { return false; }
    bool printerSetup(QWidget *, QPrinter *) override { return false; }
    bool printPreview(QWidget *, QPrinter *, const std::function<void(QPrinter *)> &) override
    {
        return false;
    }
    bool runDialog(QDialog *) override { return false; }

    int errorCount() const { return m_errors; }

private:
    FILE *m_stream;
    int m_errors = 0;
};
