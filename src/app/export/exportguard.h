#ifndef EXPORTGUARD_H
#define EXPORTGUARD_H

#include <QList>
#include <QObject>
#include <QString>

class FormModel;
class QAction;

// Exports and prints that need a camera shown: disabled while none is, their
// tooltips saying why, shown in their menus.
class ExportGuard : public QObject
{
    Q_OBJECT

public:
    ExportGuard(const FormModel &model, const QList<QAction *> &actions, QObject *parent);

private:
    void follow();

    const FormModel &model;
    QList<QAction *> actions;
};

#endif // EXPORTGUARD_H
