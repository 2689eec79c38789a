#pragma once
// The curve-fit window "KURVETILPASNING" / "CURVE FIT", template FUNCPLOT:
// X/Y data typed or loaded from the named data sets of the language, fitted by the chosen model or the
// best of them, with the function, r2 and SSE, and the plot of points and curve drawn in the white
// area between the grey panels.
#include <array>
#include <string>

#include "runtime/generated_dialog.h"
#include "runtime/sim_modal_dlg.h"
#include "runtime/user_controls.h"
#include "calculators/model/curve_scale.h"

class Cwm_FUNCPLOTBaseDlg : public GeneratedDialog<CSimModalDlg> {
 public:
  using GeneratedDialog::GeneratedDialog;

 protected:
  void ApplyTemplateSetup() override;

  CUserStatic m_topPanel;
  std::array<CUserButton, 8> m_hiddenRadios;
  CUserButton m_hidePoints;
  CUserStatic m_functionLabel;
  CUserStatic m_rSquaredLabel;
  CUserStatic m_hiddenRangeLabel;
  CUserButton m_rangeHeadings;
  CUserButton m_hiddenXyCheck;
  CUserButton m_editListGroup;
  CUserButton m_saveGroup;
  CUserButton m_dataSetNameGroup;
  CUserGraphicButton m_printPlot;
  CUserStatic m_raisedTwo;
  CUserStatic m_sseLabel;
  CUserButton m_grid;
  CUserButton m_frame;
  CUserEdit m_function;
  CUserEdit m_rSquared;
  CUserEdit m_sse;
  CUserStatic m_hiddenTextLabel;
  CUserStatic m_rightPanel;
  CUserButton m_dataGroup;
  CUserButton m_textHeadings;
  CUserButton m_curveGroup;
  CUserEdit m_data;
  CUserButton m_hiddenPrinterGroup;
};

class Cwm_FUNCPLOTDlg : public Cwm_FUNCPLOTBaseDlg {
 public:
  using Cwm_FUNCPLOTBaseDlg::Cwm_FUNCPLOTBaseDlg;
  BOOL OnUserInit(int initialising) override;

 protected:
  afx_msg void ApplyAxisRanges();
  afx_msg void ToggleHidePoints();
  afx_msg void ToggleGrid();
  afx_msg void ToggleFrame();
  afx_msg void SelectFitModel();
  afx_msg void DataChanged();
  afx_msg void TitleChanged();
  afx_msg void XAxisTextChanged();
  afx_msg void YAxisTextChanged();
  afx_msg void EditDataSetList(UINT id);
  afx_msg void DeleteDataSet();
  afx_msg void LoadCurveDataSet();
  afx_msg void RepaintCurvePlot();
  afx_msg void PaintCurvePlot();
  afx_msg int PrintCurvePlot();
  afx_msg void OpenPrintOptions();
  void ShowDataMessage();

  DECLARE_MESSAGE_MAP()

 private:
  void LoadCurveDataSetNames();
  void ToggleCurveOption(int& option);
  // What reading the four range fields found.
  enum class RangeReading { Unchanged, Changed, Refused };
  RangeReading ReadAxisRanges();
  void RepaintText(int reason, const RECT& region);
  void ShowRange(int id, double value);
  void DrawPlot(CDC& dc);
  void DrawTexts(CDC& dc, int reason);

  CurvePlot plot_;
  std::string dataMessage_;  // the message that follows the paint of a fit the user asked for
  bool fitRequested_ = false;  // a full repaint asked for by the window, not by an uncovering
};

int OpenCurveFitDialog(CWnd* parent);
