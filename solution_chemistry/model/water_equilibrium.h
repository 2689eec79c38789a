#pragma once

// The concentration of the acid's own ion, H3O+ (for a base OH-), at
// equilibrium in water, with water's ion product Kw taken into account.

// Water's ion product at 25 degrees C, mol^2/kg^2.
inline constexpr double WaterIonProduct = 1.0E-14;

// The ion's concentration x when fromSolute of it came from the solute and the
// rest from water: the root of x = fromSolute + Kw / x.
double IonWithWater(double fromSolute);

// The ion's concentration x at equilibrium of initial (mol/kg) of a weak acid
// with constant K, after addedIon of the ion itself and addedConjugate of its
// conjugate were added: the one positive root of
// x^3 + (K + addedConjugate - addedIon) x^2 - (Kw + K (initial + addedIon)) x - K Kw = 0,
// which follows from the equilibrium and the charge balance. K must be above 0.
double EquilibriumIon(double K, double initial, double addedIon, double addedConjugate);
