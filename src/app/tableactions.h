#ifndef TABLEACTIONS_H
#define TABLEACTIONS_H

#include "depthreport.h"

#include <QObject>

#include <array>
#include <functional>
#include <memory>

class CameraForm;
class PlanDock;
class Prompts;
class QPagedPaintDevice;
class Ui_mainWin;
class ViewOptions;

// File > Export Table and Print Table: each shown camera's depth-of-field
// table, or where the Plan dock has plans, their shot cards if the user
// chooses them; as PDF or CSV, or on a printer. A page is A4, or Letter
// where the locale measures in inches.
class TableActions : public QObject
{
    Q_OBJECT

public:
    using Source = std::function<std::array<CameraSetup, 2>()>;

    TableActions(QWidget *window, const Ui_mainWin &ui, const std::array<CameraForm, 2> &form,
                 const ViewOptions &view, const PlanDock &plans,
                 const std::unique_ptr<Prompts> &prompts, Source source);

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
    const std::array<CameraForm, 2> &form;
    const ViewOptions &view;
    const PlanDock &plans;
    const std::unique_ptr<Prompts> &prompts;
    Source source;
};

#endif // TABLEACTIONS_H
