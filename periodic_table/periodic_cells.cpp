#include "periodic_table/periodic_cells.h"


#include "engine/numbers/number_text.h"
#include "resources/periodic_table_ids.h"
#include "periodic_table/model/property_words.h"

namespace {

constexpr float RoomTemperature = 20.0f;
constexpr float AbsoluteZero = -273.15f;

// "%f" of the value, or empty at or below the limit that marks a missing one.
std::string FixedAbove(float value, float emptyAtOrBelow) {
  return value <= emptyAtOrBelow ? std::string() : FormatNumberFixed(value);
}

}  // namespace

bool IsPropertyRadio(int id) {
  return (id >= AtomicNumberRadioId && id <= PhaseRadioId && id != 624) || id == AtomicVolumeRadioId;
}

std::string PhaseAt20Degrees(const ElementRecord& element) {
  const bool english = LanguageCode == EnglishLanguage;
  if (element.boilingPoint < RoomTemperature && element.boilingPoint > AbsoluteZero) return english ? "Gas" : "Gass";
  if (element.meltingPoint <= RoomTemperature && element.meltingPoint > AbsoluteZero) {
    return english ? "Liquid" : "Veske";
  }
  if (element.meltingPoint > RoomTemperature) return english ? "Solid" : "Fast";
  return {};
}

std::string PeriodicCellText(int propertyRadioId, int Z) {
  const ElementRecord& element = ElementByNumber(Z);
  switch (propertyRadioId) {
    case AtomicNumberRadioId: return std::to_string(Z);
    case NameRadioId: return ElementDisplayName(Z);
    case AtomicMassRadioId: return FixedAbove(element.atomicMass, 0.0f);
    case MeltingPointRadioId: return FixedAbove(element.meltingPoint, NoTemperature);
    case BoilingPointRadioId: return FixedAbove(element.boilingPoint, NoTemperature);
    case DensityRadioId: return FixedAbove(element.density, 0.0f);
    case CovalentRadiusRadioId: return FixedAbove(element.covalentRadius, 0.0f);
    case AtomicRadiusRadioId: return FixedAbove(element.atomicRadius, 0.0f);
    case AtomicVolumeRadioId: return FixedAbove(element.atomicVolume, 0.0f);
    case ElectronegativityRadioId: return FixedAbove(element.electronegativity, NoValue);
    case IonisationPotentialRadioId: return FixedAbove(element.ionisationPotential, 0.0f);
    case SpecificHeatRadioId: return FixedAbove(element.specificHeat, 0.0f);
    case HeatOfVaporisationRadioId: return FixedAbove(element.heatOfVaporisation, 0.0f);
    case HeatOfFusionRadioId: return FixedAbove(element.heatOfFusion, 0.0f);
    case ElectricalConductivityRadioId: return FixedAbove(element.electricalConductivity, 0.0f);
    case ThermalConductivityRadioId: return FixedAbove(element.thermalConductivity, 0.0f);
    case AcidBaseRadioId: return AcidBaseText(element.acidBaseCharacter);
    case CrystalStructureRadioId: return CrystalStructureText(element.crystalStructure);
    case ElectronConfigRadioId: return ElectronConfigByNumber(Z).configuration;
    case OxidationStatesRadioId: return OxidationStatesText(element);
    case IsotopeCountRadioId: return std::to_string(StableIsotopeCount(Z));
    case PhaseRadioId: return PhaseAt20Degrees(element);
    default: return {};
  }
}
