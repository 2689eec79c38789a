#pragma once
// Controls of the curve-fit window FUNCPLOT.
#include "resources/dialog_templates.h"

inline constexpr int CurveFitOkId = 1;
inline constexpr int CurveFitCloseId = 2;
inline constexpr int TopPanelId = 100;
inline constexpr int CurveDataFieldId = 101;
inline constexpr int FunctionFieldId = 102;
// Radio buttons 103 to 110 are hidden and do nothing.
inline constexpr int FirstHiddenRadioId = 103;
inline constexpr int LastHiddenRadioId = 110;
inline constexpr int FunctionLabelId = 111;
inline constexpr int RSquaredFieldId = 112;
inline constexpr int RSquaredLabelId = 113;
inline constexpr int HidePointsId = 114;
// X min, X max, Y min, Y max.
inline constexpr int XMinFieldId = 120;
inline constexpr int XMaxFieldId = 121;
inline constexpr int YMinFieldId = 122;
inline constexpr int YMaxFieldId = 123;
inline constexpr int RangeHeadingsId = 124;
inline constexpr int HiddenRangeLabelId = 125;
inline constexpr int HiddenXyCheckId = 126;
inline constexpr int EditListGroupId = 127;
inline constexpr int SaveGroupId = 128;
inline constexpr int DataSetNameGroupId = 129;
inline constexpr int PrintPlotId = 130;
inline constexpr int RaisedTwoId = 131;
inline constexpr int SseLabelId = 132;
inline constexpr int SseFieldId = 133;
inline constexpr int GridId = 134;
inline constexpr int FrameId = 135;
inline constexpr int HiddenTextLabelId = 136;
inline constexpr int RightPanelId = 137;
inline constexpr int DataGroupId = 138;
inline constexpr int TitleFieldId = 139;
inline constexpr int XAxisFieldId = 140;
inline constexpr int YAxisFieldId = 141;
inline constexpr int TextHeadingsId = 142;
inline constexpr int ModelListId = 143;
inline constexpr int CurveGroupId = 144;
inline constexpr int HiddenPrinterGroupId = 145;
inline constexpr int PrintOptionsId = 146;
inline constexpr int RepaintPlotId = 147;
inline constexpr int DataSetListId = 10120;
inline constexpr int DeleteDataSetId = 10144;
inline constexpr int DataSetNameId = 10167;
inline constexpr int AddBeforeId = 10173;
inline constexpr int AddAfterId = 10174;
inline constexpr int FileWriteId = 10175;
inline constexpr int ReplaceDataSetId = 10179;
inline constexpr int CalculateFitId = 10381;
