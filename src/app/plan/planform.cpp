#include "planform.h"

#include "camera/cameraview.h"
#include "camera/decimalspinbox.h"
#include "history/undohistory.h"
#include "model/formmodel.h"
#include "shotmodel.h"
#include "text/readout.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QStyle>
#include <QTableView>

#include <cmath>

namespace {

DecimalSpinBox *distanceBox(QWidget *parent, const QString &name, double metres)
{
    auto *box = new DecimalSpinBox(parent);
    box->setObjectName(name);
    box->setDecimals(2);
    box->setCloseDecimals(rulesOf(Field(0, CameraInput::Focus)).closeDecimals);
    box->setRange(0.01, 99999);
    box->setSingleStep(0.1);
    box->setValue(metres);
    return box;
}

QString blur(double u)
{
    return QLocale().toString(u, 'f', 2);
}

} // namespace

PlanForm::PlanForm(int camera, FormModel &values, const CameraView &view, UndoHistory &steps,
                   QAction *working, QWidget *parent)
    : QGroupBox(tr("Camera %1").arg(camera + 1), parent)
    , index(camera)
    , model(values)
    , camera(view)
    , history(steps)
    , key(QStringLiteral("plan/camera%1/").arg(camera + 1))
    , settings(new QSettings(this))
    , shots(new ShotModel(this))
{
    const QString name = QStringLiteral("c%1_plan").arg(camera + 1);
    // At first a stretch around the form's own focus, which one shot keeps sharp.
    nearBox = distanceBox(this, name + QStringLiteral("Near"),
                          settings->value(key + QStringLiteral("near"), 3.5).toDouble());
    farBox = distanceBox(this, name + QStringLiteral("Far"),
                         settings->value(key + QStringLiteral("far"), 4.5).toDouble());
    nearBox->setToolTip(tr("The nearest distance to keep sharp"));
    farBox->setToolTip(tr("The farthest distance to keep sharp"));
    toInfinity = new QCheckBox(QStringLiteral("∞"), this);
    toInfinity->setObjectName(name + QStringLiteral("ToInfinity"));
    toInfinity->setToolTip(tr("Everything beyond the near distance"));
    toInfinity->setChecked(settings->value(key + QStringLiteral("toInfinity"), false).toBool());
    farBox->setEnabled(!toInfinity->isChecked());
    limitBox = new QDoubleSpinBox(this);
    limitBox->setObjectName(name + QStringLiteral("Limit"));
    limitBox->setToolTip(tr("The largest blur allowed, in circles of confusion"));
    limitBox->setRange(0.1, 10);
    limitBox->setSingleStep(0.1);
    limitBox->setPrefix(QStringLiteral("U "));
    limitBox->setValue(settings->value(key + QStringLiteral("limit"), 1.0).toDouble());
    overlapBox = new QSpinBox(this);
    overlapBox->setObjectName(name + QStringLiteral("Overlap"));
    overlapBox->setToolTip(tr("How much of each shot's depth the next one repeats"));
    overlapBox->setRange(0, 90);
    overlapBox->setSuffix(QStringLiteral(" %"));
    overlapBox->setValue(settings->value(key + QStringLiteral("overlap"), 0).toInt());
    railBox = new QCheckBox(tr("On a rail, depth"), this);
    railBox->setObjectName(name + QStringLiteral("Rail"));
    railBox->setToolTip(tr("The camera moves between shots and its magnification stays"));
    railBox->setChecked(settings->value(key + QStringLiteral("rail"), false).toBool());
    depthBox = new QDoubleSpinBox(this);
    depthBox->setObjectName(name + QStringLiteral("Depth"));
    depthBox->setToolTip(tr("How deep the subject reaches from the focus into the scene"));
    depthBox->setRange(0.01, 10000);
    depthBox->setSuffix(QStringLiteral(" mm"));
    depthBox->setValue(settings->value(key + QStringLiteral("depth"), 10.0).toDouble());
    depthBox->setEnabled(railBox->isChecked());
    answer = new QLabel(this);
    answer->setObjectName(name + QStringLiteral("Answer"));
    answer->setWordWrap(true);
    answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notice = new QLabel(this);
    notice->setObjectName(name + QStringLiteral("Notice"));
    notice->setWordWrap(true);
    notice->setTextFormat(Qt::RichText);
    notice->hide();
    connect(notice, &QLabel::linkActivated, this, [this, working](const QString &link) {
        if (link == QLatin1String("working"))
            working->trigger();
        else
            history.change(Field(index, CameraInput::Diffraction), 1);
    });
    applyButton = new QPushButton(tr("Apply"), this);
    applyButton->setObjectName(name + QStringLiteral("Apply"));
    applyButton->setToolTip(tr("Set the camera's focus and f-number to the plan's"));
    stackAnswer = new QLabel(this);
    stackAnswer->setObjectName(name + QStringLiteral("Stack"));
    stackAnswer->setWordWrap(true);
    shotTable = new QTableView(this);
    shotTable->setObjectName(name + QStringLiteral("Shots"));
    shotTable->setModel(shots);
    shotTable->verticalHeader()->hide();
    // Measuring every shot's cells at each change would cost more than the
    // rest of a recalculation.
    shotTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    shotTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    shotTable->horizontalHeader()->resizeSection(
        0, shotTable->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    // Each distance whole however narrow the window: the panel scrolls, not the cells.
    const int cell = shotTable->fontMetrics().horizontalAdvance(QStringLiteral("⊖ 0000.00 ft"))
        + 2 * shotTable->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, shotTable) + 2;
    shotTable->setMinimumWidth(shotTable->horizontalHeader()->sectionSize(0)
                               + (shots->columnCount() - 1) * cell + 2 * shotTable->frameWidth()
                               + shotTable->verticalScrollBar()->sizeHint().width());
    shotTable->setSelectionMode(QAbstractItemView::NoSelection);
    auto *copy = new QAction(tr("Copy Shots"), shotTable);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &PlanForm::copyShots);
    shotTable->addAction(copy);
    shotTable->setContextMenuPolicy(Qt::ActionsContextMenu);

    // Narrow, so that the panel leaves the chart its room on a laptop's screen.
    for (QWidget *box :
         std::initializer_list<QWidget *>{nearBox, farBox, limitBox, overlapBox, depthBox}) {
        box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("⊖ 0000.00 ft")));
    }
    shotTable->setWordWrap(false);
    auto *far = new QHBoxLayout;
    far->addWidget(farBox, 1);
    far->addWidget(toInfinity);
    auto *layout = new QFormLayout(this);
    layout->addRow(tr("Near"), nearBox);
    layout->addRow(tr("Far"), far);
    layout->addRow(tr("Blur limit"), limitBox);
    layout->addRow(answer);
    layout->addRow(notice);
    layout->addRow(applyButton);
    layout->addRow(tr("Stack overlap"), overlapBox);
    layout->addRow(railBox, depthBox);
    layout->addRow(stackAnswer);
    layout->addRow(shotTable);

    for (QDoubleSpinBox *box :
         std::initializer_list<QDoubleSpinBox *>{nearBox, farBox, limitBox, depthBox})
        connect(box, &QDoubleSpinBox::valueChanged, this, &PlanForm::remember);
    connect(overlapBox, &QSpinBox::valueChanged, this, &PlanForm::remember);
    connect(toInfinity, &QCheckBox::toggled, this, [this](bool on) {
        farBox->setEnabled(!on);
        remember();
    });
    connect(railBox, &QCheckBox::toggled, this, [this](bool on) {
        depthBox->setEnabled(on);
        remember();
    });
    connect(applyButton, &QPushButton::clicked, this, &PlanForm::apply);
}

Planning::Range PlanForm::typed() const
{
    return {Length::metres(nearBox->value()).millimetres(),
            toInfinity->isChecked() ? qInf() : Length::metres(farBox->value()).millimetres()};
}

Planning::Range PlanForm::range() const
{
    const Planning::Range wanted = typed();
    const DistanceOrigin origin = model.origin(index);
    if (!origin.sensor)
        return wanted;
    // From the sensor, the range lies as far from the lens as the focus that
    // the plan is to find leaves it: found in turns from the camera's own
    // focus, each moving by less than the one before it short of 1:1.
    const CameraOptics &optics = model.results(index).setup.optics;
    double focus = optics.fdist;
    Planning::Range lens = wanted;
    for (int turn = 0; turn < 20; ++turn) {
        lens = {origin.toLens(wanted.nearLimit, focus), origin.toLens(wanted.farLimit, focus)};
        if (!lens.isValidFor(optics.flength))
            break;
        const double next = Planning::bestFocus(lens, optics.flength, optics.pupil);
        if (std::abs(next - focus) < 1e-9 * focus)
            break;
        focus = next;
    }
    return lens;
}

void PlanForm::remember()
{
    settings->setValue(key + QStringLiteral("near"), nearBox->value());
    settings->setValue(key + QStringLiteral("far"), farBox->value());
    settings->setValue(key + QStringLiteral("toInfinity"), toInfinity->isChecked());
    settings->setValue(key + QStringLiteral("limit"), limitBox->value());
    settings->setValue(key + QStringLiteral("overlap"), overlapBox->value());
    settings->setValue(key + QStringLiteral("rail"), railBox->isChecked());
    settings->setValue(key + QStringLiteral("depth"), depthBox->value());
    emit changed();
}

void PlanForm::follow()
{
    const CameraSetup &setup = model.results(index).setup;
    const LengthUnit unit = model.unit();
    // Where the disc is taken at the marked f-number at close range.
    const QString underestimated
        = Readout::discNotice(index, setup.optics, setup.diffraction, QLocale());
    notice->setVisible(!underestimated.isEmpty());
    notice->setText(
        QStringLiteral("%1 <a href=\"working\">%2</a>")
            .arg(underestimated.toHtmlEscaped(),
                 QCoreApplication::translate("mainWin", "Compute it at the working f-number.")));
    // Only on a change: a new suffix lays the boxes out anew.
    if (unit != shownUnit) {
        shownUnit = unit;
        for (DecimalSpinBox *box : {nearBox, farBox})
            box->setDisplayUnit(unit);
    }
    if (const bool fromSensor = model.fromSensor(); fromSensor != shownFromSensor) {
        shownFromSensor = fromSensor;
        for (DecimalSpinBox *box : {nearBox, farBox})
            box->setPrefix(fromSensor ? QStringLiteral("⊖ ") : QString());
    }
    current = {};
    current.range = range();
    current.limit = limitBox->value();
    current.shown = current.range.isValidFor(setup.optics.flength);
    const bool reached = planShot(setup, unit);
    applyButton->setEnabled(reached);
    planStack(setup, unit);
}

PlanMarks PlanForm::marks() const
{
    return current;
}

ShotCard PlanForm::card() const
{
    const CameraSetup &setup = model.results(index).setup;
    return {
        stretch,        Readout::settings(setup.optics, setup.diffraction, QLocale(), model.unit()),
        answer->text(), stackAnswer->text(),
        current.shots,  model.origin(index)};
}

bool PlanForm::planShot(const CameraSetup &setup, LengthUnit unit)
{
    const QLocale locale;
    const Planning::Range wanted = current.range;
    const double limit = current.limit;
    stretch.clear();
    if (!current.shown) {
        answer->setText(tr("The near distance must lie beyond the focal length, %1, and "
                           "before the far one.")
                            .arg(Readout::length(setup.optics.flength, locale, unit)));
        return false;
    }
    const Planning::Range asTyped = typed();
    stretch = tr("%1 – %2").arg(Readout::length(asTyped.nearLimit, locale, unit),
                                Readout::length(asTyped.farLimit, locale, unit));
    // The best focus as the focus box will hold it, at most its farthest,
    // and the f-numbers there.
    const Field focus(index, CameraInput::Focus);
    const double best = Planning::bestFocus(wanted, setup.optics.flength, setup.optics.pupil);
    plannedFocus
        = std::min(model.shown(focus, Length::millimetres(best).metres()), model.maximum(focus));
    CameraOptics planned = setup.optics;
    planned.fdist = Length::metres(plannedFocus).millimetres();
    const Planning::Apertures apertures
        = Planning::apertures(planned, setup.diffraction, wanted, limit);
    const Field apature(index, CameraInput::Apature);
    const double minimum = model.minimum(apature);
    const double maximum = model.maximum(apature);
    const auto fNumber = [this](double value) {
        return camera.text(CameraInput::Apature, value);
    };
    const auto worst = [&](double apature) {
        return Planning::worstBlur(planned.atApature(apature), setup.diffraction, wanted);
    };
    // Up to what the box shows: the model checks the rounded value, a
    // step narrower where rounding cost the limit.
    double widest = std::isnan(apertures.widest)
        ? qInf()
        : std::max(minimum, model.shown(apature, apertures.widest, true));
    while (widest <= maximum && worst(widest) > limit)
        widest = model.shown(apature, widest + std::pow(10.0, -rulesOf(apature).decimals));
    // Only where diffraction counts is there a sharpest f-number.
    const double sharpest = setup.diffraction
        ? std::clamp(model.shown(apature, apertures.sharpest), minimum, maximum)
        : maximum;
    if (widest > maximum) {
        answer->setText(
            setup.diffraction
                ? tr("No single shot keeps %1 within U %2: at its sharpest, %3, the worst blur "
                     "is U %4.")
                      .arg(stretch, blur(limit), fNumber(sharpest), blur(worst(sharpest)))
                : tr("No single shot keeps %1 within U %2 up to %3.")
                      .arg(stretch, blur(limit), fNumber(maximum)));
        return false;
    }
    plannedApature = widest;
    current.planned = planned.atApature(widest);
    // As the boxes will show what Apply sets.
    QString text = tr("%1: focus %2, %3 widest (worst U %4)")
                       .arg(stretch, camera.text(CameraInput::Focus, plannedFocus), fNumber(widest),
                            blur(worst(widest)));
    if (setup.diffraction)
        text = tr("%1, %2 sharpest (U %3)").arg(text, fNumber(sharpest), blur(worst(sharpest)));
    // Where diffraction is off and would count for much at the answer's f-number.
    const CameraOptics answered = planned.atApature(widest);
    const double disc = answered.disc() / answered.coc;
    if (!setup.diffraction && disc > 0.5) {
        text = tr("%1. At %2 diffraction alone blurs %3 CoC.")
                   .arg(text, fNumber(widest), locale.toString(disc, 'f', 1));
        notice->setText(QStringLiteral("<a href=\"diffraction\">%1</a>")
                            .arg(tr("Switch diffraction on for this camera.")));
        notice->show();
    }
    answer->setText(text);
    return true;
}

void PlanForm::planStack(const CameraSetup &setup, LengthUnit unit)
{
    const double limit = current.limit;
    const double overlap = overlapBox->value() / 100.0;
    const bool rail = railBox->isChecked();
    const Planning::Stack stack = rail
        ? Planning::railStack(setup.optics, setup.diffraction, depthBox->value(), limit, overlap)
        : Planning::focusStack(setup.optics, setup.diffraction, current.range, limit, overlap);
    const QString at = camera.text(CameraInput::Apature, setup.optics.apature);
    const auto count = int(stack.shots.size());
    switch (stack.state) {
    case Planning::Stack::Built:
        // A rail is set in millimetres, whatever the distances' unit.
        if (rail)
            stackAnswer->setText(
                count == 1
                    ? tr("On a rail at %1 one shot keeps the depth within the limit.").arg(at)
                    : tr("On a rail at %1: %2 shots, %3 apart, near to far.")
                          .arg(at)
                          .arg(count)
                          .arg(Readout::length(stack.step, QLocale(), LengthUnit::Metres)));
        else
            stackAnswer->setText(
                count == 1 ? tr("At %1 one shot keeps the range within the limit.").arg(at)
                           : tr("A stack at %1: %2 shots, far to near.").arg(at).arg(count));
        break;
    case Planning::Stack::DiffractionTooLarge:
        stackAnswer->setText(
            tr("At %1 the diffraction disc alone exceeds U %2: no stack keeps the limit.")
                .arg(at, blur(limit)));
        break;
    case Planning::Stack::TooManyShots:
        stackAnswer->setText(
            tr("At %1 a stack would take more than %2 shots.").arg(at).arg(Planning::maximumShots));
        break;
    case Planning::Stack::InvalidRange:
        stackAnswer->clear();
        break;
    }
    current.shots = stack.shots;
    shots->setShots(stack.shots, unit, model.origin(index));
    shotTable->setVisible(!stack.shots.empty());
}

void PlanForm::apply()
{
    const double focus = plannedFocus;
    const double apature = plannedApature;
    const UndoHistory::Step step(history, tr("Apply the Plan"));
    model.setShown(Field(index, CameraInput::Focus), focus);
    model.setShown(Field(index, CameraInput::Apature), apature);
}

void PlanForm::copyShots() const
{
    QGuiApplication::clipboard()->setText(shots->text());
}
