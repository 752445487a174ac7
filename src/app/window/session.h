#ifndef SESSION_H
#define SESSION_H

#include "recovery.h"

#include <QObject>

#include <memory>

class Document;
class Prompts;
class QWidget;
class WindowPlacement;

// How a run of the program ends: asked, by Quit or by closing the window,
// or without asking, by SIGTERM or the end of the desktop session, when the
// unsaved changes are kept for the next start. Either way the window's
// place is remembered.
class Session : public QObject
{
    Q_OBJECT

public:
    Session(QWidget *window, Document &document, WindowPlacement &placement,
            const std::unique_ptr<Prompts> &prompts);

    // True when nothing is lost or the user chose what to lose; then the
    // run may end.
    bool mayEnd();
    // Offers every set of unsaved changes that an earlier run kept.
    void offerRecovery();
    // Keeps the unsaved changes for the next start, as the session ends.
    void keepUnsavedChanges();
    // Keeps them and ends every event loop without asking, a question's too.
    void endWithoutAsking();
    bool isEnding() const;

private:
    Document &document;
    WindowPlacement &placement;
    Recovery recovery;
    bool ending = false;
};

#endif // SESSION_H
