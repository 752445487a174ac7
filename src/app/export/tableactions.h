#ifndef TABLEACTIONS_H
#define TABLEACTIONS_H

#include "depthreport.h"

#include <QObject>

#include <memory>

class FormModel;
class PlanPanel;
class Prompts;
class QPagedPaintDevice;
class Ui_mainWin;

// File > Export Table and Print Table: each shown camera's depth-of-field
// table, or where the Plan has plans, their shot cards if the user
// chooses them; as PDF or CSV, or on a printer. A page is A4, or Letter
// where the locale measures in inches.
class TableActions : public QObject
{
    Q_OBJECT

public:
    TableActions(QWidget *window, const Ui_mainWin &ui, const FormModel &model,
                 const PlanPanel &plans, const std::unique_ptr<Prompts> &prompts);

    void exportTable();
    void printTable();

private:
    enum class Content { Tables, Cards };
    // Tables, unless there are plans and the user chooses their cards.
    std::optional<Content> choose(const QString &title) const;
    QStringList sections(Content content) const;
    QByteArray csv(Content content) const;
    std::vector<DepthReport::Camera> cameras() const;
    void setUpPage(QPagedPaintDevice &device) const;

    QWidget *window;
    const FormModel &model;
    const PlanPanel &plans;
    const std::unique_ptr<Prompts> &prompts;
};

#endif // TABLEACTIONS_H
