// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/dxf_writer.h"

#include "geometry/drawing_rules.h"
#include "shell/number_text.h"

#include <array>

namespace gear {

namespace {

struct LayerStyle {
    Layer layer;
    int colour; // AutoCAD colour index
    const char* lineType;
};

constexpr std::array<LayerStyle, kLayerCount> kLayers{{
    {Layer::Outline, 7, "CONTINUOUS"},
    {Layer::Thin, 7, "CONTINUOUS"},
    {Layer::Hidden, 5, "DASHED"},
    {Layer::Centre, 1, "CENTER"},
    {Layer::Hatch, 8, "CONTINUOUS"},
    {Layer::Dimension, 3, "CONTINUOUS"},
    {Layer::Frame, 7, "CONTINUOUS"},
    {Layer::FrameThin, 7, "CONTINUOUS"},
}};

// The style every text is written in. LibreCAD (2.2) takes the name of a
// text's style for the name of its own stroke font and draws each letter its
// font lacks as a dot: its "standard" font has neither Cyrillic nor Greek,
// while its ГОСТ 2.304 type B font has both. Programs that read the style's
// font file instead find a TrueType font with both alphabets.
constexpr const char* kTextStyle = "lc_opengost-br";
constexpr const char* kTextFont = "arial.ttf";

class Writer {
public:
    explicit Writer(const Drawing& d) : m_d(d) {}

    void pair(int code, const std::string& value)
    {
        m_out += std::to_string(code);
        m_out += '\n';
        m_out += value;
        m_out += '\n';
    }
    void pair(int code, int value) { pair(code, std::to_string(value)); }
    void real(int code, double value) { pair(code, decimalText(value, 6)); }
    // A point of the drawing: y runs upwards in CAD.
    void point(int code, Point p)
    {
        real(code, p.x);
        real(code + 10, -p.y);
    }
    void entity(const char* type, Layer layer)
    {
        pair(0, type);
        pair(8, std::string(layerName(layer)));
    }
    void line(Layer layer, Point a, Point b)
    {
        entity("LINE", layer);
        point(10, a);
        point(11, b);
    }
    void polyline(const Polyline& l)
    {
        entity("POLYLINE", l.layer);
        pair(66, 1);
        point(10, {0, 0});
        pair(70, l.closed ? 1 : 0);
        for (Point p : l.points) {
            entity("VERTEX", l.layer);
            point(10, p);
        }
        entity("SEQEND", l.layer);
    }
    // A filled triangle or convex quadrilateral; SOLID takes its corners
    // in the order 1, 2, 4, 3.
    void solid(Layer layer, const std::vector<Point>& corners)
    {
        if (corners.size() < 3)
            return;
        entity("SOLID", layer);
        point(10, corners[0]);
        point(11, corners[1]);
        point(12, corners.size() > 3 ? corners[3] : corners[2]);
        point(13, corners[2]);
    }
    void text(const Text& t)
    {
        // Fitted between two points on its baseline, so that it takes the
        // length measured for it in any font.
        const double h = t.height;
        const double drop = 0.35 * h;
        // No-break spaces that make room before a text (for a roughness
        // sign) start it further on instead: CAD fonts draw the character as
        // a mark of a missing letter, and a fitted text stretches spaces.
        std::string_view content = t.content;
        constexpr std::string_view kNoBreakSpace = "\u00A0";
        while (content.starts_with(kNoBreakSpace))
            content.remove_prefix(kNoBreakSpace.size());
        const double whole = textWidth(t.content, h);
        const double room = whole > 0 ? t.width * (1 - textWidth(content, h) / whole) : 0;
        Point start;
        Point end;
        if (t.vertical) {
            start = {t.centre.x + drop, t.centre.y + t.width / 2 - room};
            end = {t.centre.x + drop, t.centre.y - t.width / 2};
        } else {
            start = {t.centre.x - t.width / 2 + room, t.centre.y + drop};
            end = {t.centre.x + t.width / 2, t.centre.y + drop};
        }
        entity("TEXT", t.layer);
        point(10, start);
        real(40, 0.72 * h); // the height of capitals
        pair(1, encoded(std::string(content)));
        if (t.vertical)
            real(50, 90);
        pair(7, kTextStyle);
        pair(72, 5);
        point(11, end);
    }

    static std::string encoded(const std::string& utf8)
    {
        std::string out;
        for (size_t i = 0; i < utf8.size();) {
            const auto byte = static_cast<unsigned char>(utf8[i]);
            if (byte < 0x80) {
                // A line break would end the value and break the file.
                out += byte < 0x20 ? ' ' : static_cast<char>(byte);
                ++i;
                continue;
            }
            size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
            unsigned code = byte & (length == 4 ? 0x07 : length == 3 ? 0x0F : 0x1F);
            for (size_t k = 1; k < length && i + k < utf8.size(); ++k)
                code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
            i += length;
            out += "\\U+";
            constexpr char kHex[] = "0123456789ABCDEF";
            int digits = 4;
            while (digits < 8 && (code >> (4 * digits)) != 0)
                ++digits;
            for (int k = digits - 1; k >= 0; --k)
                out += kHex[(code >> (4 * k)) & 0xF];
        }
        return out;
    }

    std::string write()
    {
        header();
        tables();
        entities();
        pair(0, "EOF");
        return m_out;
    }

private:
    void header()
    {
        const Box& sheet = m_d.sheet;
        pair(0, "SECTION");
        pair(2, "HEADER");
        pair(9, "$ACADVER");
        pair(1, "AC1009");
        // Every letter outside ASCII is escaped, so the file is ASCII in
        // any code page; the code page is said so that no reader guesses.
        pair(9, "$DWGCODEPAGE");
        pair(3, "ANSI_1252");
        pair(9, "$INSBASE");
        point(10, {0, 0});
        real(30, 0);
        pair(9, "$EXTMIN");
        point(10, {sheet.left, sheet.bottom});
        real(30, 0);
        pair(9, "$EXTMAX");
        point(10, {sheet.right, sheet.top});
        real(30, 0);
        pair(9, "$LIMMIN");
        point(10, {sheet.left, sheet.bottom});
        pair(9, "$LIMMAX");
        point(10, {sheet.right, sheet.top});
        // Dashes at the sheet's scale, as they are on paper.
        pair(9, "$LTSCALE");
        real(40, m_d.scale);
        pair(0, "ENDSEC");
    }

    // The line types (the dashes the painter and the SVG draw), the layers
    // and the text styles.
    void tables()
    {
        pair(0, "SECTION");
        pair(2, "TABLES");
        pair(0, "TABLE");
        pair(2, "LTYPE");
        pair(70, 3);
        lineType("CONTINUOUS", "Solid line", {});
        lineType("DASHED", "Dashed __ __ __", dashPattern(linePen(Layer::Hidden)));
        lineType("CENTER", "Center ____ _ ____", dashPattern(linePen(Layer::Centre)));
        pair(0, "ENDTAB");
        pair(0, "TABLE");
        pair(2, "LAYER");
        pair(70, static_cast<int>(kLayers.size()) + 1);
        layer("0", 7, "CONTINUOUS");
        for (const LayerStyle& l : kLayers)
            layer(std::string(layerName(l.layer)), l.colour, l.lineType);
        pair(0, "ENDTAB");
        pair(0, "TABLE");
        pair(2, "STYLE");
        pair(70, 2);
        // STANDARD is the style every DXF file must have.
        textStyle("STANDARD", "txt");
        textStyle(kTextStyle, kTextFont);
        pair(0, "ENDTAB");
        pair(0, "ENDSEC");
    }

    void entities()
    {
        pair(0, "SECTION");
        pair(2, "ENTITIES");
        for (const Section& s : m_d.sections) {
            for (const Segment& l : s.hatching)
                line(Layer::Hatch, l.a, l.b);
            for (const auto& piece : s.filled)
                solid(Layer::Hatch, piece);
        }
        for (const Polyline& l : m_d.lines)
            polyline(l);
        for (const Circle& c : m_d.circles) {
            entity("CIRCLE", c.layer);
            point(10, c.centre);
            real(40, c.radius);
        }
        for (const Annotation& a : m_d.annotations) {
            for (const Segment& l : a.lines)
                line(Layer::Dimension, l.a, l.b);
            for (const auto& arrow : a.arrows)
                solid(Layer::Dimension, {arrow.begin(), arrow.end()});
            text(a.text);
        }
        for (const Text& t : m_d.texts)
            text(t);
        pair(0, "ENDSEC");
    }

    // `dashes`: dash, gap, dash … in turn, mm of the sheet; DXF writes a
    // gap as a negative length.
    void lineType(const char* name, const char* description, const std::vector<double>& dashes)
    {
        pair(0, "LTYPE");
        pair(2, name);
        pair(70, 0);
        pair(3, description);
        pair(72, 65);
        pair(73, static_cast<int>(dashes.size()));
        double total = 0;
        for (double d : dashes)
            total += d;
        real(40, total);
        for (size_t i = 0; i < dashes.size(); ++i)
            real(49, i % 2 == 0 ? dashes[i] : -dashes[i]);
    }
    void textStyle(const char* name, const char* font)
    {
        pair(0, "STYLE");
        pair(2, name);
        pair(70, 0);
        real(40, 0); // no fixed height: each text gives its own
        real(41, 1);
        real(50, 0);
        pair(71, 0);
        real(42, 2.5);
        pair(3, font);
        pair(4, "");
    }
    void layer(const std::string& name, int colour, const char* lineType)
    {
        pair(0, "LAYER");
        pair(2, name);
        pair(70, 0);
        pair(62, colour);
        pair(6, lineType);
    }

    const Drawing& m_d;
    std::string m_out;
};

} // namespace

std::string drawingDxf(const Drawing& drawing)
{
    return Writer(drawing).write();
}

} // namespace gear
