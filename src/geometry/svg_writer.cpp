// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/svg_writer.h"

#include "geometry/drawing_rules.h"
#include "shell/number_text.h"

namespace gear {

namespace {

// Sheet millimetres to the thousandth, far finer than any printer draws.
std::string number(double value)
{
    return decimalText(value, 3);
}

std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

class Writer {
public:
    explicit Writer(const Drawing& d) : m_d(d) {}

    std::string x(double modelX) const { return number((modelX - m_d.sheet.left) / m_d.scale); }
    std::string y(double modelY) const { return number((modelY - m_d.sheet.top) / m_d.scale); }
    std::string points(const std::vector<Point>& ps) const
    {
        std::string out;
        for (Point p : ps)
            out += (out.empty() ? "" : " ") + x(p.x) + "," + y(p.y);
        return out;
    }
    std::string stroke(Layer layer) const
    {
        const LinePen pen = linePen(layer);
        std::string out = " stroke-width=\"" + number(pen.width) + "\"";
        std::string dashes;
        for (double d : dashPattern(pen))
            dashes += (dashes.empty() ? "" : " ") + number(d);
        if (!dashes.empty())
            out += " stroke-dasharray=\"" + dashes + "\"";
        return out;
    }
    std::string text(const Text& t) const
    {
        const double h = t.height / m_d.scale;
        const double cx = (t.centre.x - m_d.sheet.left) / m_d.scale;
        const double cy = (t.centre.y - m_d.sheet.top) / m_d.scale;
        // The baseline sits 0.35 em below the middle of the letters.
        std::string out = "<text";
        if (t.vertical) {
            out += " x=\"" + number(cx) + "\" y=\"" + number(cy) + "\" transform=\"rotate(-90 " + number(cx) + " " +
                   number(cy) + ") translate(0 " + number(0.35 * h) + ")\"";
        } else {
            out += " x=\"" + number(cx) + "\" y=\"" + number(cy + 0.35 * h) + "\"";
        }
        out += " font-size=\"" + number(h) + "\" textLength=\"" + number(t.width / m_d.scale) +
               "\" lengthAdjust=\"spacingAndGlyphs\">" + escaped(t.content) + "</text>\n";
        return out;
    }

private:
    const Drawing& m_d;
};

} // namespace

std::string drawingSvg(const Drawing& d)
{
    const Writer w(d);
    const double width = d.sheet.width() / d.scale;
    const double height = d.sheet.height() / d.scale;
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + number(width) + "mm\" height=\"" +
           number(height) + "mm\" viewBox=\"0 0 " + number(width) + " " + number(height) + "\">\n";
    out += "<title>" + escaped(d.title) + "</title>\n";
    out += "<rect x=\"0\" y=\"0\" width=\"" + number(width) + "\" height=\"" + number(height) + "\" fill=\"white\"/>\n";
    out += "<g fill=\"none\" stroke=\"black\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    out += "<g id=\"HATCH\"" + w.stroke(Layer::Hatch) + ">\n";
    for (const Section& s : d.sections) {
        for (const Segment& l : s.hatching)
            out += "<line x1=\"" + w.x(l.a.x) + "\" y1=\"" + w.y(l.a.y) + "\" x2=\"" + w.x(l.b.x) + "\" y2=\"" +
                   w.y(l.b.y) + "\"/>\n";
        for (const auto& piece : s.filled)
            out += "<polygon points=\"" + w.points(piece) + "\" fill=\"black\" stroke=\"none\"/>\n";
    }
    out += "</g>\n";
    for (Layer layer : {Layer::Outline, Layer::Thin, Layer::Hidden, Layer::Centre, Layer::Frame, Layer::FrameThin}) {
        out += "<g id=\"" + std::string(layerName(layer)) + "\"" + w.stroke(layer) + ">\n";
        for (const Polyline& l : d.lines) {
            if (l.layer == layer)
                out += std::string(l.closed ? "<polygon" : "<polyline") + " points=\"" + w.points(l.points) + "\"/>\n";
        }
        for (const Circle& c : d.circles) {
            if (c.layer == layer)
                out += "<circle cx=\"" + w.x(c.centre.x) + "\" cy=\"" + w.y(c.centre.y) + "\" r=\"" +
                       number(c.radius / d.scale) + "\"/>\n";
        }
        out += "</g>\n";
    }
    out += "<g id=\"DIMENSIONS\"" + w.stroke(Layer::Dimension) + ">\n";
    for (const Annotation& a : d.annotations) {
        for (const Segment& l : a.lines)
            out += "<line x1=\"" + w.x(l.a.x) + "\" y1=\"" + w.y(l.a.y) + "\" x2=\"" + w.x(l.b.x) + "\" y2=\"" +
                   w.y(l.b.y) + "\"/>\n";
        for (const auto& arrow : a.arrows)
            out +=
                "<polygon points=\"" + w.points({arrow.begin(), arrow.end()}) + "\" fill=\"black\" stroke=\"none\"/>\n";
    }
    out += "</g>\n</g>\n";
    out += "<g font-family=\"DejaVu Sans, Liberation Sans, Arial, sans-serif\" font-style=\"italic\" "
           "text-anchor=\"middle\" fill=\"black\">\n";
    for (const Annotation& a : d.annotations)
        out += w.text(a.text);
    for (const Text& t : d.texts)
        out += w.text(t);
    out += "</g>\n</svg>\n";
    return out;
}

} // namespace gear
