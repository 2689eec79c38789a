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
    {NameFieldId, NameLabelId, "Name:", [](int Z) { return ElementDisplayName(Z); }},
    {AtomicMassFieldId, AtomicMassLabelId,
     "Relative atomic mass:", [](int Z) { return FourDecimals(ElementByNumber(Z).atomicMass); }},
    {MeltingPointFieldId, MeltingPointLabelId, "Melting point",
     [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).meltingPoint, NoTemperature); }},
    {DensityFieldId, DensityLabelId,
     "Density:", [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).density, NoValue); }},
    {CovalentRadiusFieldId, CovalentRadiusLabelId,
     "Covalent radius:", [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).covalentRadius, 0.0f); }},
    {ElectronConfigFieldId, ElectronConfigLabelId,
     "Electron configuration:", [](int Z) { return std::string(ElectronConfigTable[Z - 1].configuration); }},
    {AtomicVolumeFieldId, AtomicVolumeLabelId,
     "Atomic volume:", [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).atomicVolume, 0.0f); }},
    {HeatOfVaporisationFieldId, HeatOfVaporisationLabelId,
     "Heat of vaporization:", [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).heatOfVaporisation, 0.0f); }},
    {ThermalConductivityFieldId, ThermalConductivityLabelId,
     "Thermal conductivity:", [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).thermalConductivity, 0.0f); }},
    {AcidBaseFieldId, AcidBaseLabelId,
     "Acid-base properties:", [](int Z) { return AcidBaseText(ElementByNumber(Z).acidBaseCharacter); }},
    {OxidationStatesFieldId, OxidationStatesLabelId,
     "Oxidation states:", [](int Z) { return OxidationStatesText(ElementByNumber(Z)); }},
    {SymbolFieldId, SymbolLabelId, "Symbol:", [](int Z) { return std::string(ElementByNumber(Z).symbol); }},
    {AtomicNumberFieldId, AtomicNumberLabelId, "Atomic number:", [](int Z) { return std::to_string(Z); }},
    {BoilingPointFieldId, BoilingPointLabelId,
     "Boiling point:", [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).boilingPoint, NoTemperature); }},
    {ElectronegativityFieldId, ElectronegativityLabelId,
     "Electronegativity:", [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).electronegativity, NoValue); }},
    {AtomicRadiusFieldId, AtomicRadiusLabelId,
     "Atomic radius:", [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).atomicRadius, 0.0f); }},
    {IonisationPotentialFieldId, IonisationPotentialLabelId, "First ionization potential:",
     [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).ionisationPotential, 0.0f); }},
    {SpecificHeatFieldId, SpecificHeatLabelId,
     "Specific heat capacity:", [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).specificHeat, 0.0f); }},
    {HeatOfFusionFieldId, HeatOfFusionLabelId,
     "Heat of fusion:", [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).heatOfFusion, 0.0f); }},
    {ElectricalConductivityFieldId, ElectricalConductivityLabelId, "Electrical conductivity:",
     [](int Z) { return FourDecimalsAbove(ElementByNumber(Z).electricalConductivity, 0.0f); }},
    {CrystalStructureFieldId, CrystalStructureLabelId,
     "Crystal structure:", [](int Z) { return CrystalStructureText(ElementByNumber(Z).crystalStructure); }},
    {IsotopeCountFieldId, IsotopeCountLabelId,
     "Number of stable isotopes:", [](int Z) { return std::to_string(StableIsotopeCount(Z)); }},
}};
