#ifndef FRAMINGOPTION_H
#define FRAMINGOPTION_H

#include <QObject>

class DecimalSpinBox;
class FieldBinder;
class FormModel;
class UndoHistory;
class Ui_mainWin;

// Compare > Keep the Framing, with the subject's width below it: both
// cameras focused so that the subject fills their frames' width, following
// their lenses and sensors. Values of the document, each a step to undo,
// which no file keeps; the last choice is where the next run starts.
class FramingOption : public QObject
{
    Q_OBJECT

public:
    // Before the document takes the model's start values.
    FramingOption(const Ui_mainWin &form, FormModel &model, UndoHistory &history);

private:
    void showUnit();

    FormModel &model;
    FieldBinder *binder;
    DecimalSpinBox *width;
};

#endif // FRAMINGOPTION_H
