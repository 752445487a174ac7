#ifndef RECOVERY_H
#define RECOVERY_H

#include <QString>

#include <memory>

class Document;
class Prompts;
class QWidget;

// Unsaved changes kept when the program is ended without the user's say
// (SIGTERM, the end of the session): a settings file in the application's
// data folder, with the name of the file they belong to in the settings,
// offered back at the next start. A clean end leaves none.
class Recovery
{
public:
    Recovery(QWidget *window, Document &document, const std::unique_ptr<Prompts> &prompts);

    // Keeps the document's unsaved changes, if it has any; else there is nothing to recover.
    void keep();
    void discard();
    // Offers what an earlier run kept, once.
    void offer();

    static QString path();

private:
    QWidget *window;
    Document &document;
    const std::unique_ptr<Prompts> &prompts;
};

#endif // RECOVERY_H
