#include "windowplacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {
const QString geometryKey = QStringLiteral("window/geometry");
const QString splitKey = QStringLiteral("window/split");

// The window manager's frame is not known before the window is shown;
// this is room for a title bar and thin borders.
constexpr QMargins frameAllowance(4, 32, 4, 4);
// Larger than this a first window only spreads the chart thin.
constexpr QSize largestFirstSize(1600, 1000);
} // namespace

WindowPlacement::WindowPlacement(QMainWindow *mainWindow, QSplitter *chartSplit, QWidget *chartArea)
    : QObject(mainWindow)
    , window(mainWindow)
    , split(chartSplit)
    , chart(chartArea)
{
    // The chart takes what the window gains, and the forms give way first.
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    window->installEventFilter(this);
}

void WindowPlacement::restore()
{
    const QSettings settings;
    const bool restored = window->restoreGeometry(settings.value(geometryKey).toByteArray());
    const QScreen *screen = QGuiApplication::screenAt(window->geometry().center());
    // Mostly off the screens, or on one no longer there: the window's own.
    const QRect available = (screen ? screen : window->screen())->availableGeometry();
    QRect kept = window->geometry();
    // Remembered on a larger screen.
    if (!restored || kept.width() > available.width() || kept.height() > available.height()) {
        window->setGeometry(
            firstGeometry(window->screen()->availableGeometry(), window->minimumSizeHint()));
        return;
    }
    // Partly off the screen: brought back whole.
    kept.moveLeft(std::clamp(kept.left(), available.left(), available.right() - kept.width() + 1));
    kept.moveTop(std::clamp(kept.top(), available.top(), available.bottom() - kept.height() + 1));
    window->move(kept.topLeft());
    splitRestored = split->restoreState(settings.value(splitKey).toByteArray());
}

void WindowPlacement::save() const
{
    QSettings settings;
    settings.setValue(geometryKey, window->saveGeometry());
    settings.setValue(splitKey, split->saveState());
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    // Only a shown window has laid out its chart and forms.
    if (watched == window && event->type() == QEvent::Show) {
        window->removeEventFilter(this);
        if (!splitRestored)
            giveChartItsShare();
    }
    return false;
}

QRect WindowPlacement::firstGeometry(const QRect &available, const QSize &minimum)
{
    const QRect inside = available - frameAllowance;
    const QSize size = inside.size().boundedTo(largestFirstSize).expandedTo(minimum);
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, inside);
}

void WindowPlacement::giveChartItsShare()
{
    const int wanted = int(std::ceil(chartShare * window->height()));
    const int missing = wanted - chart->height();
    if (missing <= 0)
        return;
    QList<int> sizes = split->sizes();
    const int forms = std::max(sizes[1] - missing, split->widget(1)->minimumSizeHint().height());
    sizes[0] += sizes[1] - forms;
    sizes[1] = forms;
    split->setSizes(sizes);
}
