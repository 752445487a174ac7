#ifndef FAKEPROMPTS_H
#define FAKEPROMPTS_H

#include "app/prompts.h"

#include <QStringList>

#include <memory>

// Answers file dialogs from a script and records every question and warning,
// so that no test can hang on a modal dialog.
class FakePrompts : public Prompts
{
public:
    struct Log
    {
        QStringList answers;   // taken from the front; empty means "cancel"
        QStringList questions; // "open|caption|directory|filter" or "save|..."
        QStringList warnings;  // "title|text"
    };

    explicit FakePrompts(std::shared_ptr<Log> log)
        : log(std::move(log))
    {}

    QString openFileName(QWidget *, const QString &caption, const QString &directory,
                         const QString &filter) override
    {
        return ask(QStringLiteral("open"), caption, directory, filter);
    }
    QString saveFileName(QWidget *, const QString &caption, const QString &directory,
                         const QString &filter) override
    {
        return ask(QStringLiteral("save"), caption, directory, filter);
    }
    void warn(QWidget *, const QString &title, const QString &text) override
    {
        log->warnings << title + QLatin1Char('|') + text;
    }

private:
    QString ask(const QString &kind, const QString &caption, const QString &directory,
                const QString &filter)
    {
        log->questions << QStringList{kind, caption, directory, filter}.join(QLatin1Char('|'));
        return log->answers.isEmpty() ? QString() : log->answers.takeFirst();
    }

    std::shared_ptr<Log> log;
};

#endif // FAKEPROMPTS_H
