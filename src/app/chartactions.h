#ifndef CHARTACTIONS_H
#define CHARTACTIONS_H

#include "chart/chartexport.h"
#include "chart/graph.h"

#include <QObject>

#include <memory>

class Prompts;

// File > Export Chart and Edit > Copy Chart: the chart as the screen shows
// it, drawn again at its size and pixel ratio into a file or the clipboard.
class ChartActions : public QObject
{
public:
    // prompts is the window's, looked up at each use because tests replace it.
    ChartActions(graph *chart, const std::unique_ptr<Prompts> &prompts);
    ~ChartActions() override;

    void exportChart();
    void copyChart();

private:
    ChartExport::Page page() const;

    graph *chart;
    const std::unique_ptr<Prompts> &prompts;
};

#endif // CHARTACTIONS_H
