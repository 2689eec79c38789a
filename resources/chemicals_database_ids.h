#pragma once
// Controls of the chemicals database window KJEMIKALIEDATABASE.
#include <iterator>

#include "resources/dialog_templates.h"

inline constexpr int DatabaseCloseId = 2;
inline constexpr int DatabaseHiddenStepId = 134;
inline constexpr int DatabaseLogoId = 10079;

// Search area.
inline constexpr int NameSearchLabelId = 112;
inline constexpr int NameSearchComboId = 10143;
inline constexpr int FormulaSearchLabelId = 189;
inline constexpr int FormulaSearchFieldId = 10011;
inline constexpr int CasSearchLabelId = 113;
inline constexpr int CasSearchFieldId = 10019;
inline constexpr int LabelSearchLabelId = 176;
inline constexpr int LabelSearchFieldId = 10078;
inline constexpr int NumericSearchGroupId = 122;
inline constexpr int ToleranceLabelId = 118;
inline constexpr int ToleranceFieldId = 10012;
inline constexpr int NumericQuantity1Id = 10150;
inline constexpr int NumericQuantity2Id = 10151;
inline constexpr int NumericValue1Id = 10013;
inline constexpr int NumericValue2Id = 10014;
// The unit of each quantity: a raised degree "o", the unit, a raised "3".
inline constexpr int Unit1DegreeId = 162;
inline constexpr int Unit1TextId = 190;
inline constexpr int Unit1CubeId = 191;
inline constexpr int Unit2DegreeId = 164;
inline constexpr int Unit2TextId = 165;
inline constexpr int Unit2CubeId = 163;
inline constexpr int FormulaModeGroupId = 114;
inline constexpr int FormulaModePlainId = 115;
inline constexpr int FormulaModeCountsId = 116;
inline constexpr int FormulaModeQualitativeId = 117;
inline constexpr int WholeWordCheckId = 10039;
inline constexpr int HasSafetyTextCheckId = 10057;
inline constexpr int ShowSafetySheetButtonId = 10058;
inline constexpr int DeleteWarningCheckId = 10055;
inline constexpr int AutoFormulaMassCheckId = 10047;
inline constexpr int StoreAfterCheckId = 10048;
inline constexpr int RecordPositionLabelId = 173;
inline constexpr int RecordPositionFieldId = 10056;
inline constexpr int FilePositionLabelId = 203;
inline constexpr int FilePositionFieldId = 10129;
inline constexpr int SearchFromStartId = 221;
inline constexpr int SearchOnwardId = 224;
inline constexpr int FirstRecordId = 170;
inline constexpr int PreviousRecordId = 10075;
inline constexpr int NextRecordId = 10076;
inline constexpr int LastRecordId = 10080;
inline constexpr int PreviousFileId = 10128;
inline constexpr int NextFileId = 10127;
inline constexpr int FileNameFieldId = 10126;
inline constexpr int ClearSearchId = 10042;
inline constexpr int FormulaErrorGroupId = 174;
inline constexpr int FormulaErrorFieldId = 10054;

// Record area: each field is one record line.
inline constexpr int RecordGroupId = 133;
inline constexpr int NameFieldId3 = 10017;
inline constexpr int AltNameFieldId = 10035;
inline constexpr int EnglishNameFieldId = 10083;
inline constexpr int FormulaFieldId = 10034;
inline constexpr int FormulaInfoButtonId = 10081;
inline constexpr int CasFieldId = 10018;
inline constexpr int LabelFieldId = 10077;
inline constexpr int FormulaMassFieldId = 10020;
inline constexpr int MeltingPrefixId = 10024;
inline constexpr int MeltingPointId = 10021;
inline constexpr int BoilingPrefixId = 10025;
inline constexpr int BoilingPointId = 10022;
inline constexpr int DensityPrefixId = 10110;
inline constexpr int DensityId = 10109;
inline constexpr int AirDensityPrefixId = 10131;
inline constexpr int AirDensityId = 10130;
inline constexpr int VapourPrefixId = 10116;
inline constexpr int VapourPressureId = 10107;
inline constexpr int FlashPrefixId = 10026;
inline constexpr int FlashPointId = 10023;
inline constexpr int FlammabilityLimitsId = 10134;
inline constexpr int PermittivityId = 10124;
inline constexpr int PermittivityTempId = 10123;
inline constexpr int SolubilityId = 10030;
inline constexpr int SolubilityTempId = 10140;
inline constexpr int SolventsId = 10031;
inline constexpr int ColourId = 10028;
inline constexpr int AppearanceId = 10029;
inline constexpr int OdourLabelId = 10052;
inline constexpr int OdourId = 10053;
inline constexpr int ToxicityId = 10032;
inline constexpr int ToxicityMethodId = 10033;
inline constexpr int AdmNormId = 10135;
inline constexpr int AdmNormUnitId = 10136;
inline constexpr int TlvId = 10132;
inline constexpr int TlvUnitId = 10153;
inline constexpr int PackagingId = 10086;
inline constexpr int ProducerId = 10155;
inline constexpr int SheetNumberId = 10227;
inline constexpr int RevisedId = 10187;
inline constexpr int ReferencesId = 10240;
inline constexpr int OtherLabelId = 195;
inline constexpr int OtherId = 10087;

// Record buttons.
inline constexpr int StoreGroupId = 175;
inline constexpr int StoreRecordId = 10046;
inline constexpr int OverwriteRecordId = 10050;
inline constexpr int DeleteRecordId = 10049;
inline constexpr int NewRecordId = 10043;
inline constexpr int HtmGroupId = 194;
inline constexpr int WriteHtmId = 10117;
inline constexpr int HtmNameFieldId = 10118;
inline constexpr int HtmSuffixId = 120;

// Hidden.
inline constexpr int HiddenNumericCheckId = 10016;
inline constexpr int HiddenX2Id = 169;
inline constexpr int HiddenBrId = 216;
inline constexpr int HiddenPhrasesId = 220;
inline constexpr int HiddenTxtId = 202;

// The record area's labels and units that have no id of their own, numbered as they are laid out.
inline constexpr int RecordLabelFirstId = 600;
inline constexpr int RecordLabelCount = 39;

// The record fields in the order of the window's array of them.
inline constexpr int RecordFieldIds[] = {
    NameFieldId3,     AltNameFieldId,     EnglishNameFieldId, FormulaFieldId,     CasFieldId,
    LabelFieldId,     FormulaMassFieldId, MeltingPrefixId,    MeltingPointId,     BoilingPrefixId,
    BoilingPointId,   DensityPrefixId,    DensityId,          AirDensityPrefixId, AirDensityId,
    VapourPrefixId,   VapourPressureId,   FlashPrefixId,      FlashPointId,       FlammabilityLimitsId,
    PermittivityId,   PermittivityTempId, SolubilityId,       SolubilityTempId,   SolventsId,
    ColourId,         AppearanceId,       OdourId,            ToxicityId,         ToxicityMethodId,
    AdmNormId,        AdmNormUnitId,      TlvId,              TlvUnitId,          PackagingId,
    ProducerId,       SheetNumberId,      RevisedId,          ReferencesId,       OtherId,
};
inline constexpr int RecordFieldCount = static_cast<int>(std::size(RecordFieldIds));
