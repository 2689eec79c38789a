#pragma once
// The dialog templates of the program, in dialog units with Windows-1252 texts.
#include "platform/win/resources.h"

// The names the templates are registered and opened under.
inline constexpr const char* BalansereTemplateName = "BALANSERE";
inline constexpr const char* ClientTemplateName = "CLIENT";
inline constexpr const char* EgenskaperTemplateName = "EGENSKAPER";
inline constexpr const char* Molclc2TemplateName = "MOLCLC2";
inline constexpr const char* MolekylkalkulatorTemplateName = "MOLEKYLKALKULATOR";
inline constexpr const char* OmtavrinTemplateName = "OMTAVRIN";
inline constexpr const char* PeriodesystemetTemplateName = "PERIODESYSTEMET";
inline constexpr const char* PersysgrafTemplateName = "PERSYSGRAF";
inline constexpr const char* PrintoptTemplateName = "PRINTOPT";
inline constexpr const char* TavrparaTemplateName = "TAVRPARA";

DialogTemplate ClientTemplate();
DialogTemplate TavrparaTemplate();
DialogTemplate PrintoptTemplate();
DialogTemplate OmtavrinTemplate();
DialogTemplate PersysgrafTemplate();
DialogTemplate BalansereTemplate();
DialogTemplate PeriodesystemetTemplate();
DialogTemplate EgenskaperTemplate();
DialogTemplate MolekylkalkulatorTemplate();
DialogTemplate Molclc2Template();
