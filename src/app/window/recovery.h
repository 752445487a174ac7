#ifndef RECOVERY_H
#define RECOVERY_H

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>

class Document;
class Prompts;
class QWidget;

// Unsaved changes kept when the program is ended without the user's say
// (SIGTERM, SIGHUP, the end of the session). Each run keeps its own, in a
// settings file of its own in the application's data folder, with the name
// of the file they belong to in the settings; a later start offers every
// set kept so, and removes only those restored or declined. No run touches
// another's set, and a clean end leaves none of its own.
class Recovery
{
public:
    Recovery(QWidget *window, Document &document, const std::unique_ptr<Prompts> &prompts);

    // Keeps the document's unsaved changes in this run's own file, or
    // removes that file where there are none. Where they cannot be kept,
    // says why on standard error, leaves word for the next start and
    // returns false.
    bool keep();
    // This run's kept changes, if any, are no longer wanted.
    void discard();
    // Every set that an earlier run kept, newest first, each with its file
    // and the time it was kept; first, where an earlier run could keep
    // nothing, that it could not.
    void offer();
    // The run ends now: a question that is open, or would come, changes nothing.
    void stop();

    // Where the sets are kept.
    static QString folder();

    // A set kept by another run.
    struct Kept
    {
        QString path;
        QString key; // of the file's name in the settings
        QString fileName;
        QDateTime time;
    };
    // Newest first.
    static QList<Kept> sets();

private:
    void forget(const Kept &set) const;

    QWidget *window;
    Document &document;
    const std::unique_ptr<Prompts> &prompts;
    QString own; // this run's file, once it kept anything
    bool stopped = false;
};

#endif // RECOVERY_H
