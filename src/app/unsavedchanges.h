#ifndef UNSAVEDCHANGES_H
#define UNSAVEDCHANGES_H

#include <QByteArray>

#include <functional>

class Prompts;
class QWidget;
struct CameraSettings;

// What a settings file would keep, as it was last loaded or saved, and the
// question that guards every action that would drop changes made since.
class UnsavedChanges
{
public:
    void markSaved(const CameraSettings &settings);
    // Values are compared: a change undone is no change.
    bool isModified(const CameraSettings &current) const;

    // True when the action may go on: nothing is lost, or the user saved
    // (save() succeeded) or discarded the changes; false on Cancel.
    bool mayProceed(QWidget *parent, Prompts &prompts, const CameraSettings &current,
                    const std::function<bool()> &save) const;

private:
    QByteArray saved;
};

#endif // UNSAVEDCHANGES_H
