#include "periodic_table/property_fields.h"

#include <cstdio>

#include "resources/element_properties_ids.h"
#include "engine/globals.h"
#include "periodic_table/model/property_words.h"

namespace {

std::string FourDecimals(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.4f", static_cast<double>(value));
  return text;
}

std::string FourDecimalsAbove(float value, float emptyAtOrBelow) {
  return value <= emptyAtOrBelow ? std::string() : FourDecimals(value);
}

}  // namespace

const std::array<PropertyField, 22> PropertyFields = {{
    {NameFieldId, NameLabelId, [](int Z) { return ElementDisplayName(Z); }},
    {AtomicMassFieldId, AtomicMassLabelId, [](int Z) { return FourDecimals(ElementByNumber(Z).atomicMass); }},
    {MeltingPointFieldId, MeltingPointLabelId,
     [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).meltingPoint, NoTemperature); }},
    {DensityFieldId, DensityLabelId, [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).density, NoValue); }},
    {CovalentRadiusFieldId, CovalentRadiusLabelId,
     [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).covalentRadius, 0.0f); }},
    {ElectronConfigFieldId, ElectronConfigLabelId,
     [](int Z) { return std::string(ElectronConfigByNumber(Z).configuration); }},
    {AtomicVolumeFieldId, AtomicVolumeLabelId,
     [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).atomicVolume, 0.0f); }},
    {HeatOfVaporisationFieldId, HeatOfVaporisationLabelId,
     [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).heatOfVaporisation, 0.0f); }},
    {ThermalConductivityFieldId, ThermalConductivityLabelId,
     [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).thermalConductivity, 0.0f); }},
    {AcidBaseFieldId, AcidBaseLabelId, [](int Z) { return AcidBaseText(ElementByNumber(Z).acidBaseCharacter); }},
    {OxidationStatesFieldId, OxidationStatesLabelId, [](int Z) { return OxidationStatesText(ElementByNumber(Z)); }},
    {SymbolFieldId, SymbolLabelId, [](int Z) { return std::string(ElementByNumber(Z).symbol); }},
    {AtomicNumberFieldId, AtomicNumberLabelId, [](int Z) { return std::to_string(Z); }},
    {BoilingPointFieldId, BoilingPointLabelId,
     [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).boilingPoint, NoTemperature); }},
    {ElectronegativityFieldId, ElectronegativityLabelId,
     [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).electronegativity, NoValue); }},
    {AtomicRadiusFieldId, AtomicRadiusLabelId,
     [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).atomicRadius, 0.0f); }},
    {IonisationPotentialFieldId, IonisationPotentialLabelId,
     [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).ionisationPotential, 0.0f); }},
    {SpecificHeatFieldId, SpecificHeatLabelId,
     [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).specificHeat, 0.0f); }},
    {HeatOfFusionFieldId, HeatOfFusionLabelId,
     [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).heatOfFusion, 0.0f); }},
    {ElectricalConductivityFieldId, ElectricalConductivityLabelId,
     [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).electricalConductivity, 0.0f); }},
    {CrystalStructureFieldId, CrystalStructureLabelId,
     [](int Z) { return CrystalStructureText(ElementByNumber(Z).crystalStructure); }},
    {IsotopeCountFieldId, IsotopeCountLabelId, [](int Z) { return std::to_string(StableIsotopeCount(Z)); }},
}};
