#include "session.h"

#include "document/document.h"
#include "windowplacement.h"

#include <QCoreApplication>
#include <QWidget>

Session::Session(QWidget *window, Document &changes, WindowPlacement &place,
                 const std::unique_ptr<Prompts> &prompts)
    : QObject(window)
    , document(changes)
    , placement(place)
    , recovery(window, changes, prompts)
{}

bool Session::mayEnd()
{
    if (!document.mayDiscardChanges())
        return false;
    placement.save();
    recovery.discard();
    return true;
}

void Session::offerRecovery()
{
    recovery.offer();
}

void Session::keepUnsavedChanges()
{
    recovery.keep();
}

void Session::endWithoutAsking()
{
    ending = true;
    recovery.stop();
    recovery.keep();
    placement.save();
    // Every event loop ends, a question's too.
    QCoreApplication::exit(0);
}

bool Session::isEnding() const
{
    return ending;
}
