#include "PaintRecorder.h"

RecordingPaintEngine::RecordingPaintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

void RecordingPaintEngine::drawTextItem(const QPointF& p, const QTextItem& textItem)
{
    texts.push_back(RecordedText{textItem.text(), p, textItem.font()});
}

RecordingPaintDevice::RecordingPaintDevice(int width, int height)
    : m_nWidth(width), m_nHeight(height), m_engine(std::make_unique<RecordingPaintEngine>())
{
}

RecordingPaintDevice::~RecordingPaintDevice() = default;

int RecordingPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return m_nWidth;
    case PdmHeight:
        return m_nHeight;
    case PdmWidthMM:
        return m_nWidth * 254 / 960;  // 96 dots per inch
    case PdmHeightMM:
        return m_nHeight * 254 / 960;
    case PdmNumColors:
        return 0x7fffffff;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        return 0;
    }
}
