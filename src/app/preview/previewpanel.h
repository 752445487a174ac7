#ifndef PREVIEWPANEL_H
#define PREVIEWPANEL_H

#include "blurrender.h"

#include <QFutureWatcher>
#include <QImage>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class DecimalSpinBox;
class FormModel;
class PictureView;
class Prompts;
class QCheckBox;
class QComboBox;
class QLabel;
class QAction;
class Ui_mainWin;
class graph;

// View > Preview, beside the chart: side by side, what each shown camera
// records of a background at a distance behind a subject in its focus, a
// built-in scene or the user's own photograph, at the same size. Pictures that take longer
// than a frame are made off the GUI thread, the newest request winning, so
// that typing never waits for them. Its choices are remembered.
class PreviewPanel : public QWidget
{
    Q_OBJECT

public:
    // prompts is the window's, looked up at each use because tests replace it.
    PreviewPanel(const Ui_mainWin &form, const FormModel &model,
                 const std::unique_ptr<Prompts> &prompts);
    ~PreviewPanel() override;

    // The chart's context menu offers the distance under the pointer.
    void offerDistances(graph *chart);
    // After every recalculation, and when brought to the front: only a panel
    // in front makes pictures.
    void follow();
    // Both pictures side by side, as Copy and Export take them.
    QImage picture() const;
    // Whether the pictures shown are those of the model as it is, no photo
    // being read.
    bool isCurrent() const;

    // A photograph as a background: turned upright, scaled down first where
    // it is large; null with the reason where it cannot be read.
    struct Photo
    {
        QImage image;
        QString reason;
    };
    static Photo loadPhoto(const QString &path);

signals:
    // A background was chosen on the chart: the pictures should be seen.
    void wanted();

private:
    struct Request
    {
        QImage background;
        std::array<std::optional<BlurRender::Frame>, 2> frames;
        int generation = 0;
    };
    using Pictures = std::array<QImage, 2>;
    struct Rendered
    {
        Pictures pictures;
        qint64 cost = 0; // ms
        int generation = 0;
    };

    void chooseScene(int index);
    // Read off the GUI thread; said where it cannot be read unless quietly.
    void openPhoto(const QString &path, bool quietly);
    void takePhoto();
    void remember();
    void copy();
    void exportPicture();
    QImage background();
    void start(const Request &request);
    void showPictures(const Rendered &rendered);
    static Rendered renderAll(const Request &request);

    const FormModel &model;
    const std::unique_ptr<Prompts> &prompts;
    QComboBox *sceneBox;
    DecimalSpinBox *backgroundBox;
    QCheckBox *subjectBox;
    std::array<PictureView *, 2> views;
    std::array<QLabel *, 2> captions;
    std::array<QImage, 3> scenes; // made when first shown
    QImage photo;
    QString photoPath;
    QFutureWatcher<Photo> *reading;
    QString readPath; // while it is read
    bool readQuietly = false;
    int chosenScene = 0;
    QFutureWatcher<Rendered> *watcher;
    std::optional<Request> pending;
    int generation = 0;
    int shownGeneration = -1;
    qint64 lastCost = 0; // ms of the last picture pair made
};

#endif // PREVIEWPANEL_H
