#pragma once

#include "report/report_canvas.h"

#include <QList>
#include <QString>

namespace orva::test {

// A canvas that records what the record draws. Its font is fixed-pitch: every character is `charWidth`
// wide in every style, every text `lineHeight` high.
class RecordingCanvas final : public ReportCanvas
{
public:
    struct Text
    {
        int x;
        int y;
        QString text;
        TextAlign align;
        FontStyle style;
    };
    struct Line
    {
        int x1, y1, x2, y2;
        PenStyle style;
        int width;
    };
    struct Rect
    {
        int x1, y1, x2, y2;
        std::optional<ReportColor> fill;
        PenStyle style;
        int width;
    };

    explicit RecordingCanvas(int charWidth = 23, int lineHeight = 43)
        : m_charWidth(charWidth), m_lineHeight(lineHeight)
    {}

    void drawText(int x, int y, const QString &text, TextAlign align, FontStyle style, const QString &,
                  int) override
    {
        texts.append({x, y, text, align, style});
    }
    void drawLine(int x1, int y1, int x2, int y2, PenStyle style, int width) override
    {
        lines.append({x1, y1, x2, y2, style, width});
    }
    void drawRectangle(int x1, int y1, int x2, int y2, std::optional<ReportColor> fill, PenStyle style,
                       int width) override
    {
        rects.append({x1, y1, x2, y2, fill, style, width});
    }
    int textWidth(const QString &text, FontStyle) const override { return int(text.size()) * m_charWidth; }
    int textHeight(const QString &, FontStyle) const override { return m_lineHeight; }
    double textAdvance(const QString &text, FontStyle) const override
    {
        return double(text.size()) * m_charWidth;
    }

    // The texts exactly equal to `text`.
    QList<Text> find(const QString &text) const
    {
        QList<Text> found;
        for (const Text &t : texts) {
            if (t.text == text)
                found.append(t);
        }
        return found;
    }
    // The one text equal to `text`; a default-constructed one (empty text) when there is not exactly one.
    Text one(const QString &text) const
    {
        const QList<Text> found = find(text);
        return found.size() == 1 ? found.first() : Text{0, 0, QString(), TextAlign::Left, FontStyle::Normal};
    }
    // The texts whose bottom is `y` and whose x lies in [left, right).
    QList<Text> onLine(int y, int left, int right) const
    {
        QList<Text> found;
        for (const Text &t : texts) {
            if (t.y == y && t.x >= left && t.x < right)
                found.append(t);
        }
        return found;
    }

    QList<Text> texts;
    QList<Line> lines;
    QList<Rect> rects;

private:
    int m_charWidth;
    int m_lineHeight;
};

} // namespace orva::test
