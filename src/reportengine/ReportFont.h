#pragma once

#include <QFont>
#include <QString>

// The one font of every report: 9 point, from the installed CJK font so that Chinese prints.
namespace ReportFont {

inline constexpr double PointSize = 9;
inline constexpr double EmMm = PointSize * 25.4 / 72;  // 3.175 mm
// Room left empty at each side of a text inside its cell.
inline constexpr double InsetMm = 0.75;
// The smallest size a text is shrunk to, as a share of the report font.
inline constexpr double MinScale = 0.6;

// The font sized for a device with the given number of pixels per millimetre, shrunk by scale.
QFont font(double pixelsPerMm, bool bold = false, double scale = 1);

// Width of a text in millimetres as the layout reckons it: a Chinese (full-width) character one
// em, any other character 0.6 em. The reckoning does not depend on the fonts installed, so the
// page model is the same on every machine.
double textWidthMm(const QString& text);

}  // namespace ReportFont
