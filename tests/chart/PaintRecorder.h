#pragma once
// A paint device that keeps the texts a painter draws on it, with the font and
// the baseline point of each, so tests can see which labels a paint produced.

#include <QFont>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPointF>
#include <QString>

#include <memory>
#include <vector>

struct RecordedText
{
    QString text;
    QPointF baseline;  // left end of the baseline, in device pixels (laid out
                       // with unhinted metrics: within a pixel of an image's)
    QFont font;
};

class RecordingPaintEngine : public QPaintEngine
{
public:
    RecordingPaintEngine();
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawRects(const QRectF*, int) override {}
    void drawRects(const QRect*, int) override {}
    void drawTextItem(const QPointF& p, const QTextItem& textItem) override;
    Type type() const override { return QPaintEngine::User; }

    std::vector<RecordedText> texts;
};

class RecordingPaintDevice : public QPaintDevice
{
public:
    RecordingPaintDevice(int width, int height);
    ~RecordingPaintDevice() override;
    QPaintEngine* paintEngine() const override { return m_engine.get(); }
    const std::vector<RecordedText>& Texts() const { return m_engine->texts; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    int m_nWidth;
    int m_nHeight;
    std::unique_ptr<RecordingPaintEngine> m_engine;
};
