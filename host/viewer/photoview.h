#pragma once

#include <QGraphicsView>
#include <QImage>
#include <QSize>

class QGraphicsPixmapItem;
class QGraphicsSimpleTextItem;

// Shows one photo: zoom with the wheel (about the point under the mouse) or
// ZoomIn/ZoomOut, Fit to the view, pan by dragging. A new photo is fitted; a
// fitted photo stays fitted when the view is resized.
class PhotoView : public QGraphicsView
{
    Q_OBJECT

public:
    explicit PhotoView(QWidget* parent = nullptr);

    // picture may be a scaled-down decoding of a photo of fullSize pixels.
    void SetPhoto(const QImage& picture, const QSize& fullSize);
    // Shows text instead of a photo (loading, or why there is none).
    void SetMessage(const QString& text);
    bool HasPhoto() const;

    // Zoom relative to the photo's own pixels: 1 shows one pixel of the photo
    // on one pixel of the screen.
    double Zoom() const;
    bool IsFitted() const { return m_fitted; }

    static constexpr double kStep = 1.25;
    static constexpr double kMinZoom = 0.01;
    static constexpr double kMaxZoom = 16.0;

public Q_SLOTS:
    void ZoomIn();
    void ZoomOut();
    void Fit();

Q_SIGNALS:
    void ZoomChanged(double zoom);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Multiplies the zoom by factor, kept within kMinZoom and kMaxZoom.
    void ZoomBy(double factor);
    void Clear();

    QGraphicsPixmapItem* m_picture = nullptr;
    QGraphicsSimpleTextItem* m_message = nullptr;
    // Photo pixels per picture pixel (above 1 for a scaled-down decoding).
    double m_pixelRatio = 1.0;
    bool m_fitted = true;
};
