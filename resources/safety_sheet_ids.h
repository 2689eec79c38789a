#pragma once
// Controls of the safety data sheet window DATABLAD.
#include "resources/dialog_templates.h"

inline constexpr int SheetOkId = 1;
inline constexpr int SheetCloseId = 2;
inline constexpr int HazardHeadingId = 100;
inline constexpr int FireClassLabelId = 123;
inline constexpr int HealthClassLabelId = 124;
inline constexpr int EnvironmentClassLabelId = 127;
// The lines of the sections' labels from top to bottom: one or two a section.
inline constexpr int FirstSectionLabelId = 200;
inline constexpr int SectionLabelCount = 14;
inline constexpr int HealthInstructionsFieldId = 10060;  // section 1
inline constexpr int RiskPhrasesFieldId = 10061;         // section 2
inline constexpr int SafetyPhrasesFieldId = 10062;       // section 3
inline constexpr int FireHazardFieldId = 10063;          // section 5
inline constexpr int HealthHazardFieldId = 10064;        // section 4
inline constexpr int FirstAidFieldId = 10065;            // section 6
inline constexpr int PreventiveMeasuresFieldId = 10066;  // section 7
inline constexpr int StorageFieldId = 10067;             // section 8
inline constexpr int DisposalFieldId = 10068;            // section 9
inline constexpr int InsertTemplatesId = 10071;
inline constexpr int ClearSectionsId = 10072;
inline constexpr int OtherFieldId = 10074;  // section 10
inline constexpr int QuickEditButtonId = 10088;
inline constexpr int HealthClassListId = 10183;
inline constexpr int FireClassListId = 10184;
inline constexpr int EnvironmentClassListId = 10253;
