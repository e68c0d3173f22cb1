#pragma once

#include <QList>
#include <QPointF>
#include <QString>

namespace orlavine::pack {

// Colours of the pictures, matched to the program's skin.
namespace colour {
inline const char* const kInk = "#344052";
inline const char* const kBlue = "#3478c8";
inline const char* const kBlueDark = "#1e5aaa";
inline const char* const kBlueLight = "#cfe1f6";
inline const char* const kGreen = "#34a860";
inline const char* const kGreenLight = "#cdebd8";
inline const char* const kRed = "#de4e40";
inline const char* const kAmber = "#f6b838";
inline const char* const kAmberLight = "#fdecc4";
inline const char* const kAmberDark = "#c48612";
inline const char* const kSlate = "#5c697c";
inline const char* const kRule = "#bcc6d4";
inline const char* const kShade = "#e2e8f0";
} // namespace colour

/// The widest a page shows a picture, in pixels: the viewer's column of about 500 px less
/// the page's margins and the picture's frame. A wider picture is scaled down to it.
inline constexpr int kShownWidth = 430;
/// The smallest text of a picture as the page shows it, in pixels.
inline constexpr int kSmallestText = 12;

/// Builds the text of an SVG picture. Coordinates are written with at most one decimal,
/// so the text is the same on every machine.
class Svg {
public:
    Svg(int width, int height);

    void line(QPointF a, QPointF b, const char* stroke = colour::kInk, double width = 2,
              const QString& extra = QString());
    void rect(double x, double y, double w, double h, const char* fill,
              const char* stroke = colour::kInk, double width = 2, double radius = 0);
    void circle(QPointF centre, double r, const char* fill, const char* stroke = colour::kInk,
                double width = 2);
    void polygon(const QList<QPointF>& points, const char* fill, const char* stroke = colour::kInk,
                 double width = 2);
    void polyline(const QList<QPointF>& points, const char* stroke, double width = 2);
    void path(const QString& d, const char* fill, const char* stroke = colour::kInk,
              double width = 2);
    /// Text; anchor is "start", "middle" or "end". It is never smaller than kSmallestText
    /// as the page shows the picture.
    void text(QPointF at, const QString& text, int size = 14, const char* anchor = "middle",
              bool bold = false, const char* fill = colour::kInk);
    /// A dashed line.
    void dashed(QPointF a, QPointF b, const char* stroke = colour::kSlate, double width = 1.5);
    /// A filled arrow head at `tip` pointing along the direction from `from`.
    void arrowHead(QPointF from, QPointF tip, const char* fill = colour::kRed, double size = 9);

    QString finish() const;

    /// A number as written in the picture: at most one decimal, no trailing zero.
    static QString num(double v);
    /// "x,y" of a point.
    static QString pt(QPointF p);
    /// The point at `degrees` (0 = right, counted anticlockwise) at radius r from c.
    static QPointF polar(QPointF c, double r, double degrees);

private:
    int m_width;
    int m_height;
    QString m_body;
};

} // namespace orlavine::pack
