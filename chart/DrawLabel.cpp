#include "chart/DrawLabel.h"

#include "chart/ChartResources.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <algorithm>

QRect ToQRect(const PixelRect& r)
{
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void FrameRect(QPainter& p, const PixelRect& r, const QBrush& brush)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    p.fillRect(QRect(r.left, r.top, width, 1), brush);
    p.fillRect(QRect(r.left, r.bottom - 1, width, 1), brush);
    p.fillRect(QRect(r.left, r.top, 1, height), brush);
    p.fillRect(QRect(r.right - 1, r.top, 1, height), brush);
}

namespace {

PixelRect Moved(PixelRect r, int dx, int dy)
{
    return PixelRect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

void SetBackgroundMode(QPainter& p, int mode)
{
    if (mode == TRANSPARENT)
        p.setBackgroundMode(Qt::TransparentMode);
    else if (mode == OPAQUE)
        p.setBackgroundMode(Qt::OpaqueMode);
    // any other value leaves the mode as it was
}

// The size of the text in `font`: the widest line by its advance and one font
// height per line (a single line unless line breaks are honoured).
QSize MeasureText(const QPainter& p, const QString& text, const QFont& font, const PixelRect& rect, unsigned format)
{
    const QFontMetrics metrics(font, p.device());
    if (format & DT_SINGLELINE)
        return QSize(metrics.horizontalAdvance(text), metrics.height());
    if (format & DT_WORDBREAK) {
        const QRect bounds = metrics.boundingRect(QRect(0, 0, std::max(1, rect.right - rect.left), 1 << 20),
                                                  Qt::TextWordWrap, text);
        return bounds.size();
    }
    int width = 0;
    int lines = 0;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        width = std::max(width, metrics.horizontalAdvance(line));
        ++lines;
    }
    return QSize(width, metrics.height() * lines);
}

int AlignmentOf(unsigned format)
{
    int flags = (format & DT_CENTER) ? Qt::AlignHCenter : (format & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
    if (format & DT_SINGLELINE) {
        flags |= Qt::TextSingleLine;
        flags |= (format & DT_VCENTER) ? Qt::AlignVCenter : (format & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
    } else {
        flags |= Qt::AlignTop;
    }
    if (format & DT_WORDBREAK)
        flags |= Qt::TextWordWrap;
    if (format & DT_EXPANDTABS)
        flags |= Qt::TextExpandTabs;
    if (format & DT_NOCLIP)
        flags |= Qt::TextDontClip;
    return flags;
}

// One pass of the text: font and colour set, the cell filled in opaque mode,
// the text measured into or drawn in `textRect`, font and colour restored.
void TextPass(QPainter& p, const QString& text, PixelRect& textRect, const PixelRect& fillRect, const QFont& font,
              COLORREF colour, const QBrush& fill, int backgroundMode, unsigned format)
{
    const QFont previousFont = p.font();
    const QPen previousPen = p.pen();
    p.setFont(font);
    p.setPen(ToQColor(colour));
    SetBackgroundMode(p, backgroundMode);
    if (backgroundMode & OPAQUE)
        p.fillRect(ToQRect(fillRect), fill);
    if (format & DT_CALCRECT) {
        const QSize size = MeasureText(p, text, font, textRect, format);
        textRect.right = textRect.left + size.width();
        textRect.bottom = textRect.top + size.height();
    } else {
        p.drawText(ToQRect(textRect), AlignmentOf(format), text);
    }
    p.setFont(previousFont);
    p.setPen(previousPen);
}

} // namespace

void DrawLabel(QPainter* dc, QString text, PixelRect* rect, const QFont* font, COLORREF textColour,
               const QBrush* brush, int backgroundMode, unsigned format, int options)
{
    if (dc == nullptr || rect == nullptr)
        return;
    const QBrush& fill = brush != nullptr ? *brush : *g_chartBrush.GetBrush(0x000001);
    if (options & kLabelFrame)
        FrameRect(*dc, *rect, fill);
    const QFont& useFont = font != nullptr ? *font : *g_chartFonts.GetFont(0, 0, 0, QString());

    if (options & kLabelShadow) {
        PixelRect shadowRect = Moved(*rect, 2, 2);
        TextPass(*dc, text, shadowRect, Moved(*rect, 1, 1), useFont, 0xC0C0C0, fill, backgroundMode, format);
    }
    TextPass(*dc, text, *rect, *rect, useFont, textColour, fill, backgroundMode, format);
}
