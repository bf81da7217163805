// A canvas that keeps every drawing operation with the pen and brush state it
// was drawn with.
#pragma once

#include "platform/Canvas.h"

#include <memory>
#include <vector>

namespace splot::doubles {

class RecordingCanvas final : public Canvas {
  public:
    struct Op {
        enum Kind { Cls, Line, Box, Circle } kind = Cls;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0, radius = 0;
        bool filled = false;
        int foreColor = 0, fillColor = 0, fillStyle = Transparent, drawWidth = 1, drawStyle = SolidPen;
        bool operator==(const Op&) const = default;
    };

    void setForeColor(int qbIndex) override { foreColor = qbIndex; }
    void setFillColor(int qbIndex) override { fillColor = qbIndex; }
    void setFillStyle(int style) override { fillStyle = style; }
    void setDrawWidth(int pixels) override { drawWidth = pixels; }
    void setDrawStyle(int style) override { drawStyle = style; }
    double scaleWidth() const override { return 4300; }

    void cls() override { add(Op::Cls, 0, 0, 0, 0); }
    void line(double x1, double y1, double x2, double y2) override { add(Op::Line, x1, y1, x2, y2); }
    void box(double x1, double y1, double x2, double y2, bool filled) override
    {
        add(Op::Box, x1, y1, x2, y2).filled = filled;
    }
    void circle(double x, double y, double r) override { add(Op::Circle, x, y, 0, 0).radius = r; }

    struct Saved final : Canvas::Saved {
        std::vector<Op> ops;
        Op pen; // the pen and brush state, in an operation's fields
    };
    std::unique_ptr<Canvas::Saved> save() const override
    {
        auto saved = std::make_unique<Saved>();
        saved->ops = ops, saved->pen = pen();
        return saved;
    }
    void restore(const Canvas::Saved& saved) override
    {
        const auto& [savedOps, p] = dynamic_cast<const Saved&>(saved);
        ops = savedOps, foreColor = p.foreColor, fillColor = p.fillColor, fillStyle = p.fillStyle;
        drawWidth = p.drawWidth, drawStyle = p.drawStyle;
    }

    int foreColor = 0, fillColor = 0, fillStyle = Transparent, drawWidth = 1, drawStyle = SolidPen;
    std::vector<Op> ops;

  private:
    Op pen() const
    {
        return {Op::Cls, 0, 0, 0, 0, 0, false, foreColor, fillColor, fillStyle, drawWidth, drawStyle};
    }
    Op& add(Op::Kind kind, double x1, double y1, double x2, double y2)
    {
        Op& op = ops.emplace_back(pen());
        op.kind = kind, op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
        return op;
    }
};

} // namespace splot::doubles
