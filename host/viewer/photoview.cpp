#include "host/viewer/photoview.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QPixmap>
#include <QWheelEvent>
#include <QtMath>

PhotoView::PhotoView(QWidget* parent)
    : QGraphicsView(parent)
{
    setObjectName(QStringLiteral("kvv_photo"));
    setScene(new QGraphicsScene(this));
    setBackgroundBrush(QColor(0x20, 0x22, 0x26));
    setDragMode(QGraphicsView::ScrollHandDrag);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    setResizeAnchor(QGraphicsView::AnchorViewCenter);
    setRenderHint(QPainter::SmoothPixmapTransform);
    setFrameShape(QFrame::NoFrame);
}

void PhotoView::Clear()
{
    scene()->clear();
    m_picture = nullptr;
    m_message = nullptr;
    resetTransform();
}

void PhotoView::SetPhoto(const QImage& picture, const QSize& fullSize)
{
    Clear();
    m_picture = scene()->addPixmap(QPixmap::fromImage(picture));
    m_picture->setTransformationMode(Qt::SmoothTransformation);
    m_pixelRatio = picture.width() > 0 && fullSize.width() > 0
        ? double(fullSize.width()) / double(picture.width())
        : 1.0;
    scene()->setSceneRect(m_picture->boundingRect());
    Fit();
}

void PhotoView::SetMessage(const QString& text)
{
    Clear();
    m_pixelRatio = 1.0;
    m_message = scene()->addSimpleText(text);
    m_message->setBrush(QColor(0xe0, 0xe0, 0xe0));
    QFont font = m_message->font();
    font.setPointSizeF(font.pointSizeF() * 1.2);
    m_message->setFont(font);
    scene()->setSceneRect(m_message->boundingRect().adjusted(-20, -20, 20, 20));
    m_fitted = true;
    Q_EMIT ZoomChanged(Zoom());
}

bool PhotoView::HasPhoto() const
{
    return m_picture != nullptr;
}

double PhotoView::Zoom() const
{
    return transform().m11() / m_pixelRatio;
}

void PhotoView::ZoomIn()
{
    ZoomBy(kStep);
}

void PhotoView::ZoomOut()
{
    ZoomBy(1.0 / kStep);
}

void PhotoView::ZoomBy(double factor)
{
    if (!m_picture)
        return;
    const double target = qBound(kMinZoom, Zoom() * factor, kMaxZoom);
    const double applied = target / Zoom();
    if (qFuzzyCompare(applied, 1.0))
        return;
    scale(applied, applied);
    m_fitted = false;
    Q_EMIT ZoomChanged(Zoom());
}

void PhotoView::Fit()
{
    m_fitted = true;
    if (!m_picture)
        return;
    fitInView(m_picture, Qt::KeepAspectRatio);
    Q_EMIT ZoomChanged(Zoom());
}

void PhotoView::wheelEvent(QWheelEvent* event)
{
    if (!m_picture) {
        event->ignore();
        return;
    }
    // One notch (120) is one step; touch pads send smaller deltas more often.
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0.0)
        ZoomBy(qPow(kStep, notches));
    event->accept();
}

void PhotoView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    if (m_fitted && m_picture)
        Fit();
}
