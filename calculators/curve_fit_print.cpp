#include "calculators/curve_fit_print.h"

#include "platform/gdi/gdi_api.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/printer_device.h"

namespace {

// The screen's picture is 500 pixels across; the title's line (y 135) goes to the top of the page.
constexpr int ScreenWidth = 500;
constexpr int ScreenTop = 135;
constexpr int PlotFrameTop = PlotFrameBottom - PlotFrameHeight;
constexpr int PlotFrameRight = PlotFrameLeft + PlotFrameWidth;
constexpr int PaperPointRadius = 2;
constexpr int TickLength = 5;
constexpr int XAxisTextY = PlotFrameBottom + 24;
constexpr int FunctionLineY = XAxisTextY + 30;
constexpr int BlankWidth = 10;

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

int LeadingBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return static_cast<int>(first == std::string::npos ? text.size() : first);
}

void DrawPlot(const Page& page, const CurveScale& scale, const CurvePrintOptions& options) {
  const int s = page.Scale();
  const double half = 0.5 * s;
  const int thin = s;
  const int wide = 3 * s;
  // Grid, ticks and points are taken 2 units lower than the screen shows them, as the screen's
  // thin pen sits.
  auto lowX = [&](int x) { return page.X(x + half / s); };
  auto lowY = [&](int y) { return page.Y(y + 2 + half / s); };
  if (options.grid) {
    for (const AxisTick& tick : scale.xTicks)
      page.Line(lowX(tick.foot.x), lowY(PlotFrameBottom), lowX(tick.foot.x), lowY(PlotFrameTop), thin, 1, 0);
    for (const AxisTick& tick : scale.yTicks)
      page.Line(lowX(PlotFrameLeft), lowY(tick.foot.y), lowX(PlotFrameRight), lowY(tick.foot.y), thin, 0, 1);
  }
  if (options.frame) {
    page.Line(page.X(PlotFrameLeft), page.Y(PlotFrameTop), page.X(PlotFrameRight), page.Y(PlotFrameTop), wide, 0, 1);
    page.Line(page.X(PlotFrameLeft), page.Y(PlotFrameBottom), page.X(PlotFrameRight), page.Y(PlotFrameBottom), wide, 0,
              1);
    page.Line(page.X(PlotFrameLeft), page.Y(PlotFrameTop), page.X(PlotFrameLeft), page.Y(PlotFrameBottom), wide, 1, 0);
    page.Line(page.X(PlotFrameRight), page.Y(PlotFrameTop), page.X(PlotFrameRight), page.Y(PlotFrameBottom), wide, 1,
              0);
  }
  const auto& curve = scale.curve;
  for (std::size_t i = 0; i + 3 < curve.size(); ++i) {
    const CurveEntry& from = curve[i];
    const CurveEntry& to = curve[i + 1];
    if (!(from.y > 0) || from.IsBreak() || to.IsBreak()) continue;
    const int x1 = page.X(from.x + 1.5);
    const int y1 = page.Y(from.y);
    const int x2 = page.X(to.x + 1.5);
    const int y2 = page.Y(to.y);
    page.Line(x1, y1, x2, y2, wide, 1, 0);
    page.Line(x1, y1, x2, y2, wide, 0, 1);
    page.Line(x1, y1, x2, y2, wide, 1, 1);
  }
  if (!options.hidePoints) {
    for (const PlotPosition& point : scale.points) {
      if (point.x < PlotFrameLeft || point.x > PlotFrameRight || point.y < PlotFrameTop || point.y > PlotFrameBottom ||
          point.y <= 0)
        continue;
      for (int pass = 0; pass < wide; ++pass) page.Circle(lowX(point.x), lowY(point.y), PaperPointRadius * s + pass);
    }
  }
  for (const AxisTick& tick : scale.xTicks) {
    page.Line(lowX(tick.foot.x), lowY(PlotFrameBottom), lowX(tick.foot.x), lowY(PlotFrameBottom + TickLength), thin, 1,
              0);
    const int length = static_cast<int>(tick.label.size());
    int offset =
        (tick.label.find('.') != std::string::npos ? 2 : 0) + (tick.label.find('-') != std::string::npos ? 2 : 0);
    page.Text(lowX(tick.foot.x - 4 * length + offset), lowY(PlotFrameBottom + TickLength), tick.label, 16 * s, 0);
  }
  for (const AxisTick& tick : scale.yTicks) {
    page.Line(lowX(PlotFrameLeft), lowY(tick.foot.y), lowX(PlotFrameLeft - TickLength), lowY(tick.foot.y), thin, 0, 1);
    const int length = static_cast<int>(tick.label.size());
    int offset =
        (tick.label.find('.') != std::string::npos ? 4 : 0) + (tick.label.find('-') != std::string::npos ? 2 : 0);
    page.Text(lowX(PlotFrameLeft - 8 * length - TickLength + offset), lowY(tick.foot.y - 8), tick.label, 16 * s, 0);
  }
}

}  // namespace

bool PrintCurvePage(HDC dc, const CurveScale& scale, const CurvePrintTexts& texts, const CurvePrintOptions& options) {
  static constexpr char DocumentName[] = "Test-Doc";
  if (Escape(dc, STARTDOC, sizeof DocumentName - 1, DocumentName, nullptr) <= 0) return false;
  const int s = GetDeviceCaps(dc, HORZRES) / ScreenWidth;
  const Page page(dc, s);
  if (scale.placed) DrawPlot(page, scale, options);
  page.Text((1 + BlankWidth * LeadingBlanks(texts.title)) * s, 0, texts.title, 34 * s, 0);
  page.Text(page.X(PlotFrameLeft + BlankWidth * LeadingBlanks(texts.xAxisText)), page.Y(XAxisTextY), texts.xAxisText,
            20 * s, 0);
  const int yAxisX = texts.yAxisTextX > 0 ? texts.yAxisTextX : 1;
  page.Text(yAxisX * s, page.Y(PlotFrameBottom - BlankWidth * LeadingBlanks(texts.yAxisText)), texts.yAxisText, 20 * s,
            900);
  page.Text(page.X(PlotFrameLeft), page.Y(FunctionLineY), texts.function, 20 * s, 0);
  const bool pageEnded = Escape(dc, NEWFRAME, 0, nullptr, nullptr) > 0;
  const bool documentEnded = Escape(dc, ENDDOC, 0, nullptr, nullptr) > 0;
  return pageEnded && documentEnded;
}
