#pragma once

#include <QIcon>

// The Shiftgrid icon: a schedule sheet with three shift bars. Drawn as SVG, with pictures of
// the common sizes for systems without an SVG renderer.
QIcon ShiftgridIcon();
