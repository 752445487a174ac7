#include "previewpanel.h"

#include "camera/decimalspinbox.h"
#include "chart/graph.h"
#include "chart/scene.h"
#include "document/preferences.h"
#include "model/formmodel.h"
#include "pictureview.h"
#include "previewscene.h"
#include "text/readout.h"
#include "ui_mainwin.h"
#include "window/prompts.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>

namespace {
const QString sceneKey = QStringLiteral("preview/scene");
const QString photoKey = QStringLiteral("preview/photo");
const QString backgroundKey = QStringLiteral("preview/background");
const QString subjectKey = QStringLiteral("preview/subject");
// Each camera's picture, 3:2.
constexpr QSize pictureSize(640, 427);
// A photograph is scaled down to this side first: more would only cost time.
constexpr int largestPhotoSide = 2400;
// A picture quicker than a frame is made at once.
constexpr qint64 frameTime = 16;
constexpr int photoIndex = PreviewScene::kinds;
} // namespace

PreviewPanel::PreviewPanel(const Ui_mainWin &form, const FormModel &values,
                           const std::unique_ptr<Prompts> &windowPrompts)
    : QWidget(form.centralwidget)
    , model(values)
    , prompts(windowPrompts)
    , reading(new QFutureWatcher<Photo>(this))
    , watcher(new QFutureWatcher<Rendered>(this))
{
    setObjectName(QStringLiteral("previewPanel"));
    setWindowTitle(tr("Pre&view"));
    setAccessibleDescription(tr("What each camera records of a background behind the subject"));
    QWidget *content = this;
    sceneBox = new QComboBox(content);
    sceneBox->setObjectName(QStringLiteral("previewScene"));
    sceneBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    sceneBox->setMinimumContentsLength(12);
    sceneBox->addItems(PreviewScene::names() << tr("Your Photo…"));
    sceneBox->setToolTip(tr("What lies behind the subject: a scene of the program's own, or a "
                            "JPEG or PNG photograph of yours"));
    backgroundBox = new DecimalSpinBox(content);
    backgroundBox->setObjectName(QStringLiteral("previewBackground"));
    backgroundBox->setDecimals(2);
    backgroundBox->setRange(0.01, 99999);
    backgroundBox->setSingleStep(0.5);
    backgroundBox->setToolTip(tr("How far the background lies from the camera"));
    subjectBox = new QCheckBox(tr("Subject in focus"), content);
    subjectBox->setObjectName(QStringLiteral("previewSubject"));
    subjectBox->setToolTip(tr("A figure of the framing's subject width at each camera's focus, "
                              "sharp (Compare > Keep the Framing)"));
    auto *pictures = new QHBoxLayout;
    for (std::size_t k = 0; k < views.size(); ++k) {
        const QString name = QStringLiteral("c%1_preview").arg(k + 1);
        views[k] = new PictureView(content);
        views[k]->setObjectName(name);
        views[k]->setToolTip(tr("What Camera %1 records, the background blurred with its lens's "
                                "disc")
                                 .arg(k + 1));
        views[k]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        captions[k] = new QLabel(content);
        captions[k]->setObjectName(name + QStringLiteral("Caption"));
        captions[k]->setWordWrap(true);
        // Wrapped to the picture's width, not widening the panel.
        captions[k]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        auto *column = new QVBoxLayout;
        column->addWidget(views[k]);
        column->addWidget(captions[k]);
        column->addStretch();
        pictures->addLayout(column, 1);
    }
    auto *copyButton = new QPushButton(tr("Copy"), content);
    copyButton->setObjectName(QStringLiteral("previewCopy"));
    copyButton->setToolTip(tr("Both pictures side by side to the clipboard"));
    auto *exportButton = new QPushButton(tr("Export PNG…"), content);
    exportButton->setObjectName(QStringLiteral("previewExport"));
    exportButton->setToolTip(tr("Both pictures side by side as a PNG file"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(copyButton);
    buttons->addWidget(exportButton);
    buttons->addStretch();
    auto *layout = new QFormLayout(content);
    layout->addRow(tr("Background"), sceneBox);
    layout->addRow(tr("at"), backgroundBox);
    layout->addRow(subjectBox);
    layout->addRow(pictures);
    layout->addRow(buttons);

    const QSettings settings;
    // Twice the focus, until the user sets it.
    backgroundBox->setValue(settings.value(backgroundKey, 2 * model.camera(0).focus).toDouble());
    subjectBox->setChecked(settings.value(subjectKey, true).toBool());
    chosenScene = std::clamp(settings.value(sceneKey, 0).toInt(), 0, photoIndex - 1);
    photoPath = settings.value(photoKey).toString();
    sceneBox->setCurrentIndex(chosenScene);
    connect(reading, &QFutureWatcher<Photo>::finished, this, &PreviewPanel::takePhoto);
    // Gone since, it leaves the scene before it, without a word at the start.
    if (settings.value(sceneKey, 0).toInt() == photoIndex)
        openPhoto(photoPath, true);

    const auto showUnit = [this] {
        const LengthUnit unit = model.unit();
        backgroundBox->setDisplayUnit(unit);
    };
    showUnit();
    connect(&model, &FormModel::displayChosen, this, showUnit);
    connect(&model, &FormModel::recalculated, this, &PreviewPanel::follow);
    connect(sceneBox, &QComboBox::activated, this, &PreviewPanel::chooseScene);
    connect(backgroundBox, &DecimalSpinBox::valueChanged, this, &PreviewPanel::remember);
    connect(subjectBox, &QCheckBox::toggled, this, &PreviewPanel::remember);
    connect(copyButton, &QPushButton::clicked, this, &PreviewPanel::copy);
    connect(exportButton, &QPushButton::clicked, this, &PreviewPanel::exportPicture);
    connect(watcher, &QFutureWatcher<Rendered>::finished, this, [this] {
        showPictures(watcher->result());
        if (pending)
            start(*std::exchange(pending, std::nullopt));
    });
}

PreviewPanel::~PreviewPanel()
{
    watcher->waitForFinished();
    reading->waitForFinished();
}

PreviewPanel::Photo PreviewPanel::loadPhoto(const QString &path)
{
    QImageReader reader(path);
    // As the camera held it.
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && std::max(size.width(), size.height()) > largestPhotoSide)
        reader.setScaledSize(size.scaled(largestPhotoSide, largestPhotoSide, Qt::KeepAspectRatio));
    const QImage read = reader.read();
    if (read.isNull())
        return {{}, reader.errorString()};
    return {read.convertToFormat(QImage::Format_RGB32), {}};
}

void PreviewPanel::offerDistances(graph *chart)
{
    chart->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(chart, &QWidget::customContextMenuRequested, this, [this, chart](QPoint at) {
        const Scene scene = chart->input();
        const ChartGeometry::ChartFrame frame{chart->width(), chart->height()};
        ChartGeometry::Axis axis = scene.axis;
        axis.columns = frame.plotWidth();
        const int column = at.x() - frame.leftMargin;
        if (column < 0 || column >= axis.columns)
            return;
        // The first shown camera's subject there, from its lens, as the
        // preview takes it.
        const std::size_t k = scene.shown[0] ? 0 : 1;
        const CameraOptics &optics = scene.cameras[k];
        const double distance = axis.sampleAt(optics, column);
        if (!(distance > optics.flength) || !std::isfinite(distance))
            return;
        QMenu menu(chart);
        const QString shown = Readout::limit(model.origin(int(k)).fromLens(distance, optics.fdist),
                                             QLocale(), model.unit());
        const QAction *use = menu.addAction(tr("Preview a Background at %1").arg(shown));
        if (menu.exec(chart->mapToGlobal(at)) != use)
            return;
        backgroundBox->setValue(Length::millimetres(distance).metres());
        emit wanted();
    });
}

QImage PreviewPanel::picture() const
{
    constexpr int gap = 8;
    int width = -gap;
    int height = 0;
    for (const PictureView *view : views) {
        if (!view->isHidden() && !view->image().isNull()) {
            width += view->image().width() + gap;
            height = std::max(height, view->image().height());
        }
    }
    if (width <= 0)
        return {};
    QImage both(width, height, QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter painter(&both);
    int x = 0;
    for (const PictureView *view : views) {
        if (!view->isHidden() && !view->image().isNull()) {
            painter.drawImage(x, 0, view->image());
            x += view->image().width() + gap;
        }
    }
    return both;
}

bool PreviewPanel::isCurrent() const
{
    return shownGeneration == generation && !watcher->isRunning() && !pending && readPath.isEmpty();
}

void PreviewPanel::chooseScene(int index)
{
    if (index == photoIndex) {
        const QString path
            = prompts->openFileName(window(), tr("Choose a Photo"), Preferences::lastFolder(),
                                    tr("Photographs (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)"));
        if (path.isEmpty())
            sceneBox->setCurrentIndex(chosenScene);
        else
            openPhoto(path, false);
        return;
    }
    chosenScene = index;
    remember();
}

void PreviewPanel::openPhoto(const QString &path, bool quietly)
{
    // The last one asked for wins.
    reading->waitForFinished();
    readPath = path;
    readQuietly = quietly;
    reading->setFuture(QtConcurrent::run(&PreviewPanel::loadPhoto, path));
}

void PreviewPanel::takePhoto()
{
    const Photo read = reading->result();
    const QString path = std::exchange(readPath, {});
    if (read.image.isNull()) {
        if (!readQuietly)
            prompts->warn(window(), tr("Choose a Photo"),
                          tr("%1 cannot be used as a background.\n%2").arg(path, read.reason));
        sceneBox->setCurrentIndex(chosenScene);
        return;
    }
    photo = read.image;
    photoPath = path;
    chosenScene = photoIndex;
    sceneBox->setCurrentIndex(chosenScene);
    remember();
}

void PreviewPanel::remember()
{
    QSettings settings;
    settings.setValue(sceneKey, chosenScene);
    settings.setValue(photoKey, photoPath);
    settings.setValue(backgroundKey, backgroundBox->value());
    settings.setValue(subjectKey, subjectBox->isChecked());
    follow();
}

QImage PreviewPanel::background()
{
    if (chosenScene == photoIndex)
        return photo;
    QImage &scene = scenes[std::size_t(chosenScene)];
    if (scene.isNull())
        scene = PreviewScene::make(PreviewScene::Kind(chosenScene));
    return scene;
}

void PreviewPanel::follow()
{
    if (isHidden())
        return;
    Request request;
    request.background = background();
    request.generation = ++generation;
    const double distance = Length::metres(backgroundBox->value()).millimetres();
    const double subject = Length::metres(model.view().framingWidth).millimetres();
    // The width of the subject each camera frames at its focus, w / m, and of
    // the background it sees through its lens's centre at distance B, w B / (m s);
    // the widest view spans the whole scene.
    std::array<double, 2> framed{};
    std::array<double, 2> field{};
    for (std::size_t k = 0; k < field.size(); ++k) {
        const CameraSetup &setup = model.results(int(k)).setup;
        const CameraOptics &optics = setup.optics;
        if (model.camera(int(k)).shown && optics.fdist > optics.flength
            && distance > optics.flength) {
            framed[k] = setup.sensorWidth / optics.magnification();
            field[k] = framed[k] * distance / optics.fdist;
        }
    }
    const double widest = std::max(field[0], field[1]);
    const QLocale locale;
    for (std::size_t k = 0; k < field.size(); ++k) {
        const bool shown = model.camera(int(k)).shown;
        views[k]->setVisible(shown);
        captions[k]->setVisible(shown);
        if (field[k] <= 0) {
            captions[k]->setText(tr("Camera %1: no picture, the focus or the background lies at "
                                    "or inside the focal length")
                                     .arg(k + 1));
            continue;
        }
        const CameraSetup &setup = model.results(int(k)).setup;
        BlurRender::Frame frame;
        frame.size = pictureSize;
        frame.crop = field[k] / widest;
        // As the chart's hover readout gives it in % of the image width.
        const double percent = blurIn(BlurMeasure::Percent, setup,
                                      setup.optics.relativeBlur(distance, setup.diffraction));
        frame.disc = percent / 100;
        frame.subject = subjectBox->isChecked() ? subject / framed[k] : 0;
        request.frames[k] = frame;
        captions[k]->setText(tr("Camera %1: the background's blur is %2 % of the width")
                                 .arg(k + 1)
                                 .arg(Readout::share(percent, locale)));
    }
    if (watcher->isRunning()) {
        pending = request;
        return;
    }
    if (lastCost > frameTime)
        start(request);
    else
        showPictures(renderAll(request));
}

PreviewPanel::Rendered PreviewPanel::renderAll(const Request &request)
{
    QElapsedTimer timer;
    timer.start();
    Rendered rendered;
    for (std::size_t k = 0; k < request.frames.size(); ++k) {
        if (request.frames[k])
            rendered.pictures[k] = BlurRender::render(request.background, *request.frames[k]);
    }
    rendered.cost = timer.elapsed();
    rendered.generation = request.generation;
    return rendered;
}

void PreviewPanel::start(const Request &request)
{
    watcher->setFuture(QtConcurrent::run(&PreviewPanel::renderAll, request));
}

void PreviewPanel::showPictures(const Rendered &rendered)
{
    lastCost = rendered.cost;
    for (std::size_t k = 0; k < views.size(); ++k)
        views[k]->setImage(rendered.pictures[k]);
    shownGeneration = rendered.generation;
}

void PreviewPanel::copy()
{
    QGuiApplication::clipboard()->setImage(picture());
}

void PreviewPanel::exportPicture()
{
    const QString title = tr("Export Preview");
    QString path = prompts->saveFileName(window(), title, Preferences::lastFolder(),
                                         tr("PNG image (*.png)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        path += QLatin1String(".png");
    if (!picture().save(path, "PNG"))
        prompts->warn(window(), title, tr("Could not write %1.").arg(path));
}
