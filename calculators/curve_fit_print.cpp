#include "calculators/curve_fit_print.h"

#include "platform/gdi/gdi_api.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/printer_device.h"

namespace {

// The screen's picture is 500 pixels across; the title's line (y 135) goes to the top of the page.
constexpr int ScreenWidth = 500;
constexpr int ScreenTop = 135;
constexpr int PaperPointRadius = 2;
constexpr int FunctionLineY = XAxisTextY + 30;

class Page {
 public:
  Page(HDC dc, int scale) : dc_(dc), s_(scale) {}

  int X(double screenX) const { return static_cast<int>(screenX * s_); }
  int Y(double screenY) const { return static_cast<int>((screenY - ScreenTop) * s_); }
  int Scale() const { return s_; }

  // A line drawn in passes one device unit apart, shifted by (dx, dy) per pass.
  void Line(int fromX, int fromY, int toX, int toY, int passes, int dx, int dy) const {
    for (int pass = 0; pass < passes; ++pass) {
      MoveToEx(dc_, fromX + pass * dx, fromY + pass * dy, nullptr);
      LineTo(dc_, toX + pass * dx, toY + pass * dy);
    }
  }

  void Text(int x, int y, const std::string& text, int height, int escapement) const {
    if (text.empty()) return;
    HFONT font = CreateFontA(height, 0, escapement, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Times New Roman");
    HGDIOBJ previous = SelectObject(dc_, font);
    TextOutA(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
    SelectObject(dc_, previous);
    DeleteObject(font);
  }

  void Circle(int x, int y, int radius) const { Ellipse(dc_, x - radius, y - radius, x + radius, y + radius); }

 private:
  HDC dc_;
  int s_;
};

// Grid, ticks, labels and points are taken 2 units lower than the screen shows them, as the
// screen's thin pen sits, and half a screen pixel on.
DrawingPosition Lowered(const DrawingPosition& at) { return {at.x + 0.5, at.y + 2.5}; }

// A line drawn in passes one device unit apart, across the line.
void DrawAcross(const Page& page, const DrawingLine& line, DrawingPosition (*placed)(const DrawingPosition&),
                int passes) {
  const DrawingPosition from = placed(line.from), to = placed(line.to);
  const int dx = line.Vertical() ? 1 : 0;
  page.Line(page.X(from.x), page.Y(from.y), page.X(to.x), page.Y(to.y), passes, dx, 1 - dx);
}

DrawingPosition AsShown(const DrawingPosition& at) { return at; }

void DrawText(const Page& page, const DrawingText& text, const DrawingPosition& at) {
  page.Text(page.X(at.x), page.Y(at.y), text.text, text.height * page.Scale(), text.turned ? 900 : 0);
}

void DrawPlot(const Page& page, const CurvePlotGeometry& geometry) {
  const int thin = page.Scale();
  const int wide = 3 * page.Scale();
  for (const DrawingLine& line : geometry.gridLines) DrawAcross(page, line, Lowered, thin);
  for (const DrawingLine& line : geometry.frameEdges) DrawAcross(page, line, AsShown, wide);
  // The curve's wide line is made of three sets of passes: rightward, downward and diagonal.
  for (const DrawingLine& segment : geometry.curveSegments) {
    const int x1 = page.X(segment.from.x + 1.5);
    const int y1 = page.Y(segment.from.y);
    const int x2 = page.X(segment.to.x + 1.5);
    const int y2 = page.Y(segment.to.y);
    page.Line(x1, y1, x2, y2, wide, 1, 0);
    page.Line(x1, y1, x2, y2, wide, 0, 1);
    page.Line(x1, y1, x2, y2, wide, 1, 1);
  }
  for (const DrawingPosition& mark : geometry.marks) {
    const DrawingPosition at = Lowered(mark);
    for (int pass = 0; pass < wide; ++pass) page.Circle(page.X(at.x), page.Y(at.y), PaperPointRadius * page.Scale() + pass);
  }
  for (const CurveTick& tick : geometry.ticks) {
    DrawAcross(page, tick.line, Lowered, thin);
    DrawText(page, tick.label, Lowered(tick.label.at));
  }
}

}  // namespace

bool PrintCurvePage(HDC dc, const CurveScale& scale, const CurvePrintTexts& texts, const CurvePrintOptions& options) {
  static constexpr char DocumentName[] = "Test-Doc";
  if (Escape(dc, STARTDOC, sizeof DocumentName - 1, DocumentName, nullptr) <= 0) return false;
  const int s = GetDeviceCaps(dc, HORZRES) / ScreenWidth;
  const Page page(dc, s);
  DrawPlot(page, PlotGeometry(scale, {options.grid, options.frame, options.hidePoints}));
  for (const DrawingText& text : {PlotTitle(texts.title), PlotXAxisText(texts.xAxisText),
                                  PlotYAxisText(texts.yAxisText, texts.yAxisTextX),
                                  DrawingText{{PlotFrameLeft, FunctionLineY}, texts.function, AxisTextHeight}})
    DrawText(page, text, text.at);
  const bool pageEnded = Escape(dc, NEWFRAME, 0, nullptr, nullptr) > 0;
  const bool documentEnded = Escape(dc, ENDDOC, 0, nullptr, nullptr) > 0;
  return pageEnded && documentEnded;
}
