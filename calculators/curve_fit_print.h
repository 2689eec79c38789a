#pragma once
// The curve-fit plot on paper: the picture of the last screen paint drawn on a printer's device
// context, scaled from the screen's pixels to the page, with the title's line at the top.
#include <string>

#include "platform/gdi/device_context.h"
#include "calculators/model/curve_plot_geometry.h"

struct CurvePrintTexts {
  std::string title;
  std::string xAxisText;
  std::string yAxisText;
  std::string function;  // the fitted function, printed under the plot
  int yAxisTextX = 1;    // where the screen drew the turned Y-axis text
};

struct CurvePrintOptions {
  bool grid = false;
  bool frame = false;
  bool hidePoints = false;
};

// Prints one page: STARTDOC, the picture, NEWFRAME, ENDDOC. False when any of the three escapes
// failed, so that a page not written is never taken for printed.
bool PrintCurvePage(HDC dc, const CurveScale& scale, const CurvePrintTexts& texts, const CurvePrintOptions& options);
