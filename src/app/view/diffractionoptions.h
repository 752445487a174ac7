#ifndef DIFFRACTIONOPTIONS_H
#define DIFFRACTIONOPTIONS_H

#include <QObject>

class FieldBinder;
class FormModel;
class UndoHistory;
class Ui_mainWin;

// View > Diffraction: how the disc counts where a camera counts it, at the
// marked or the working f-number, added to the lens's blur or as the root of
// the sum of squares. Values of the document, kept in its file and each a
// step to undo; the last choice is where a new document starts.
class DiffractionOptions : public QObject
{
    Q_OBJECT

public:
    // Before the document takes the model's start values.
    DiffractionOptions(const Ui_mainWin &form, FormModel &model, UndoHistory &history);

private:
    FieldBinder *binder;
};

#endif // DIFFRACTIONOPTIONS_H
