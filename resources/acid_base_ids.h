#pragma once
// Controls of the weak acid/base window SYREBASE.
#include "resources/dialog_templates.h"

inline constexpr int OpenAcidBaseDataId = 100;
inline constexpr int AcidEnglishNameLabelId = 101;  // the first of the statics 101 to 111
inline constexpr int AcidNorwegianNameLabelId = 102;
inline constexpr int AcidTemperatureLabelId = 103;
inline constexpr int AcidDegreeSignId = 104;
inline constexpr int AcidCelsiusId = 105;
inline constexpr int AcidEqualsId = 106;
inline constexpr int AcidIonPlusId = 107;
inline constexpr int AcidWaterHId = 108;
inline constexpr int AcidWaterTwoId = 109;
inline constexpr int AcidWaterOId = 110;
inline constexpr int AcidWaterPlusId = 111;
inline constexpr int ResultConstantEqualsId = 115;
inline constexpr int SymbolicKId = 116;
inline constexpr int AcidColumnHeadsId = 117;
inline constexpr int SymbolicConstantEqualsId = 118;
inline constexpr int SymbolicConjugateOpenId = 119;
inline constexpr int SymbolicIonCloseId = 120;
inline constexpr int SymbolicConjugateCloseId = 121;
inline constexpr int SymbolicAcidCloseId = 122;
inline constexpr int SymbolicIonOpenId = 123;
inline constexpr int SymbolicAcidOpenId = 124;
inline constexpr int ConstantEqualsId = 128;
inline constexpr int InputIonOpenId = 129;
inline constexpr int InputIonCloseId = 130;
inline constexpr int InputConjugateOpenId = 131;
inline constexpr int InputInitialOpenId = 132;
inline constexpr int InputInitialCloseId = 133;
inline constexpr int InputConjugateCloseId = 134;
inline constexpr int ResultPHLabelId = 135;
inline constexpr int PHLabelId = 137;
inline constexpr int AddedConjugateOpenId = 140;
inline constexpr int AddedConjugateCloseId = 141;
inline constexpr int AddedIonCloseId = 142;
inline constexpr int AddedIonOpenId = 143;
inline constexpr int BufferGroupId = 144;
inline constexpr int ResultIonOpenId = 150;
inline constexpr int ResultAcidOpenId = 151;
inline constexpr int ResultConjugateOpenId = 152;
inline constexpr int ResultIonCloseId = 153;
inline constexpr int ResultAcidCloseId = 154;
inline constexpr int ResultConjugateCloseId = 155;
inline constexpr int AcidResultGroupId = 156;
inline constexpr int ResultPKLabelId = 158;
inline constexpr int AcidExamplesLabelId = 159;
inline constexpr int FirstAcidExampleId = 160;
inline constexpr int LastAcidExampleId = 165;
inline constexpr int BeforeDissociationMarkId = 166;
inline constexpr int EraseAcidInputsId = 167;
inline constexpr int HiddenAcidFieldId = 168;
inline constexpr int AcidEquationGroupId = 169;
inline constexpr int AcidFormulaId = 10193;
inline constexpr int AcidEnglishNameId = 10194;
inline constexpr int AcidNorwegianNameId = 10195;
inline constexpr int AcidIonFieldId = 10196;
inline constexpr int AcidConjugateFieldId = 10197;
inline constexpr int ConstantInputId = 10198;
inline constexpr int AcidTemperatureId = 10199;
inline constexpr int AcidLineFiveId = 10215;
inline constexpr int SymbolicIonId = 10257;
inline constexpr int SymbolicConjugateId = 10258;
inline constexpr int SymbolicAcidId = 10259;
inline constexpr int CalculateAcidBaseId = 10260;
inline constexpr int IonInputId = 10261;
inline constexpr int ConjugateInputId = 10262;
inline constexpr int InitialInputId = 10263;
inline constexpr int PHInputId = 10264;
inline constexpr int AddedIonId = 10265;
inline constexpr int AddedConjugateId = 10266;
inline constexpr int ResultPHId = 10267;
inline constexpr int ResultIonId = 10268;
inline constexpr int ResultConjugateId = 10269;
inline constexpr int ResultUndissociatedId = 10270;
inline constexpr int ResultConstantId = 10271;
inline constexpr int ResultPKId = 10277;

// The heads over the equation row, spaced by blanks over the formula and the H3O+/OH- field.
inline constexpr const char* AcidNorwegianColumnHeads =
    "Formel                                                                                              "
    "                            H3O+ / OH-";
inline constexpr const char* AcidEnglishColumnHeads =
    "Formula                                                                                             "
    "                            H3O+ / OH-";
