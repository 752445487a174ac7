#ifndef CHARTACTIONS_H
#define CHARTACTIONS_H

#include "chart/chartexport.h"
#include "chart/graph.h"

#include <QObject>

#include <memory>
#include <optional>

class Prompts;

// File > Export Chart and Edit > Copy Chart: the chart as a figure, drawn
// again with a legend under it that names each shown camera's settings and
// depth of field. Export asks for the size (a PNG's pixels, a page's
// points); Copy copies the figure at twice the widget's pixels.
class ChartActions : public QObject
{
    Q_OBJECT

public:
    // prompts is the window's, looked up at each use because tests replace it.
    ChartActions(graph *chart, const std::unique_ptr<Prompts> &prompts);
    ~ChartActions() override;

    void exportChart();
    void copyChart();

private:
    // The figure at the widget's width and height plus the legend's, at twice its pixels.
    ChartExport::Page figure() const;
    // The figure's bytes, drawn off the window's thread; empty where it
    // could not be made, none where the user abandoned it.
    std::optional<QByteArray> encodeWhileWaiting(ChartExport::Format format,
                                                 const ChartExport::Page &page) const;

    graph *chart;
    const std::unique_ptr<Prompts> &prompts;
};

#endif // CHARTACTIONS_H
