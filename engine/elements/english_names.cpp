#include <array>

#include "engine/formtext.h"
#include "engine/settings/settings.h"

namespace {

struct EnglishName {
  int Z;
  const char* name;
};

constexpr std::array<EnglishName, 43> EnglishNames = {{
    {3, "Lithium"},     {5, "Boron"},     {6, "Carbon"},      {8, "Oxygen"},        {9, "Fluorine"},
    {11, "Sodium"},     {14, "Silicon"},  {15, "Phosphorus"}, {16, "Sulfur"},       {17, "Chlorine"},
    {19, "Potassium"},  {20, "Calcium"},  {22, "Titanium"},   {24, "Chromium"},     {25, "Manganese"},
    {26, "Iron"},       {27, "Cobalt"},   {28, "Nickel"},     {29, "Copper"},       {30, "Zinc"},
    {33, "Arsenic"},    {34, "Selenium"}, {35, "Bromine"},    {40, "Zirconium"},    {41, "Niobium"},
    {42, "Molybdenum"}, {47, "Silver"},   {48, "Cadmium"},    {50, "Tin"},          {51, "Antimony"},
    {52, "Tellurium"},  {53, "Iodine"},   {57, "Lanthanum"},  {59, "Praseodymium"}, {60, "Neodymium"},
    {73, "Tantalum"},   {78, "Platinum"}, {79, "Gold"},       {80, "Mercury"},      {82, "Lead"},
    {83, "Bismuth"},    {85, "Astatine"}, {92, "Uranium"},
}};

}  // namespace

int GetEnglishElementName(std::string& text, int Z) {
  text.clear();
  if (LanguageCode != EnglishLanguage) return 0;
  for (const auto& entry : EnglishNames) {
    if (entry.Z == Z) {
      text = entry.name;
      return 1;
    }
  }
  return 0;
}
