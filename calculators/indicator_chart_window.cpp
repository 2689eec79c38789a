#include "calculators/indicator_chart_window.h"

#include <optional>
#include <vector>

#include "engine/settings/settings.h"
#include "platform/controls/heading_spacing.h"
#include "resources/indicator_chart_ids.h"
#include "runtime/dialog_openers.h"
#include "runtime/generated_setup.h"

namespace {

// The chart's bitmap has a tick every 30 of its 420 pixels, from pH 0 to pH 14.
constexpr int ChartBitmapWidth = 420;
constexpr int BitmapPixelsPerPh = 30;
constexpr int HighestPh = 14;

// Puts the middle of each figure of the pH scale over its tick of the stretched chart; "pH" stays first.
void CentreFiguresOverTicks(HWND dialog) {
  const HWND scale = GetDlgItem(dialog, PhScaleId);
  const HWND chart = GetDlgItem(dialog, IndicatorChartId);
  RECT client{};
  GetClientRect(chart, &client);
  POINT corner{0, 0};
  ClientToScreen(chart, &corner);
  ScreenToClient(scale, &corner);
  std::vector<std::optional<int>> centres = {std::nullopt};
  for (int ph = 0; ph <= HighestPh; ++ph) {
    centres.push_back(corner.x + (2 * ph * BitmapPixelsPerPh + 1) * client.right / (2 * ChartBitmapWidth));
  }
  CentreHeadingGroups(scale, centres);
}

}  // namespace

void Cwm_INDIKATORERBaseDlg::ApplyTemplateSetup() {
  ApplyGeneratedSetup(*this, IndikatorerSetup, {m_title, m_phScale, m_chart, m_names, m_ranges});
}

void Cwm_INDIKATORERBaseDlg::ArrangeTexts() { CentreFiguresOverTicks(m_hWnd); }

BOOL Cwm_INDIKATORERDlg::OnUserInit(int) { return TRUE; }

int OpenIndicatorsDialog(CWnd* parent) { return OpenModalDialog<Cwm_INDIKATORERDlg>(IndikatorerTemplateName, parent); }
