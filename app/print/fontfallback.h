#pragma once
// Font faces that may be missing: the report and the charts use "Arial" unless the user picks
// another face. Where a face is not installed, a metric-compatible one is used, so that texts
// keep their widths and the report its page breaks.
#include <QFont>
#include <QString>

#include "core/layout/canvas.h"

namespace tarnik {

// The face to ask the font system for: the face itself when it is installed, else an installed
// metric-compatible face (Arial and Helvetica → Liberation Sans or Arimo, Times New Roman →
// Liberation Serif or Tinos, Courier New → Liberation Mono or Cousine), else the face as given
// and the font system's own substitute. Needs a running QGuiApplication.
QString installedFontFace(const QString& face);

// A QFont for a layout-model font, in the installed face.
QFont qtFont(const FontSpec& font);

} // namespace tarnik
