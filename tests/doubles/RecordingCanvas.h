// A canvas that keeps every drawing operation with the pen and brush state it
// was drawn with.
#pragma once

#include "Journal.h"
#include "platform/Canvas.h"

#include <vector>

namespace splot::doubles {

class RecordingCanvas final : public Canvas {
public:
    struct Op {
        enum Kind { Cls, Line, Box, Circle } kind = Cls;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0, radius = 0;
        bool filled = false;
        int foreColor = 0, fillColor = 0, fillStyle = Transparent, drawWidth = 1, drawStyle = SolidPen;
    };

    explicit RecordingCanvas(double width = 4300) : width_(width) {}

    void setForeColor(int qbIndex) override { foreColor = qbIndex; }
    void setFillColor(int qbIndex) override { fillColor = qbIndex; }
    void setFillStyle(int style) override { fillStyle = style; }
    void setDrawWidth(int pixels) override { drawWidth = pixels; }
    void setDrawStyle(int style) override { drawStyle = style; }
    double scaleWidth() const override { return width_; }

    void cls() override
    {
        ops.push_back(make(Op::Cls));
        firstOfPicture = static_cast<int>(ops.size());
        note(journal, "canvas.cls");
    }
    void line(double x1, double y1, double x2, double y2) override
    {
        Op op = make(Op::Line);
        op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
        ops.push_back(op);
    }
    void box(double x1, double y1, double x2, double y2, bool filled) override
    {
        Op op = make(Op::Box);
        op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2, op.filled = filled;
        ops.push_back(op);
        note(journal, filled ? "canvas.filledbox" : "canvas.box");
    }
    void circle(double cx, double cy, double radius) override
    {
        Op op = make(Op::Circle);
        op.x1 = cx, op.y1 = cy, op.radius = radius;
        ops.push_back(op);
    }

    // The operations since the last cls(): what the surface shows now.
    std::vector<Op> picture() const { return {ops.begin() + firstOfPicture, ops.end()}; }
    std::vector<Op> filledBoxes() const
    {
        std::vector<Op> out;
        for (const Op& op : picture())
            if (op.kind == Op::Box && op.filled)
                out.push_back(op);
        return out;
    }

    int foreColor = 0, fillColor = 0, fillStyle = Transparent, drawWidth = 1, drawStyle = SolidPen;
    std::vector<Op> ops;
    int firstOfPicture = 0;
    Journal* journal = nullptr;

private:
    Op make(Op::Kind kind) const
    {
        Op op;
        op.kind = kind;
        op.foreColor = foreColor;
        op.fillColor = fillColor;
        op.fillStyle = fillStyle;
        op.drawWidth = drawWidth;
        op.drawStyle = drawStyle;
        return op;
    }
    double width_;
};

} // namespace splot::doubles
