#pragma once
// The dialog templates of the program, in dialog units with Windows-1252 texts, each with its
// generated set-up beside it.
#include "platform/win/resources.h"
#include "resources/window_setup.h"

// The names the templates are registered and opened under.
inline constexpr const char* BalansereTemplateName = "BALANSERE";
inline constexpr const char* ClientTemplateName = "CLIENT";
inline constexpr const char* ConvertTemplateName = "CONVERT";
inline constexpr const char* EgenskaperTemplateName = "EGENSKAPER";
inline constexpr const char* FuncplotTemplateName = "FUNCPLOT";
inline constexpr const char* IndikatorerTemplateName = "INDIKATORER";
inline constexpr const char* Molclc2TemplateName = "MOLCLC2";
inline constexpr const char* MolekylkalkulatorTemplateName = "MOLEKYLKALKULATOR";
inline constexpr const char* OmtavrinTemplateName = "OMTAVRIN";
inline constexpr const char* OrdlisteTemplateName = "ORDLISTE";
inline constexpr const char* PeriodesystemetTemplateName = "PERIODESYSTEMET";
inline constexpr const char* PersysgrafTemplateName = "PERSYSGRAF";
inline constexpr const char* PrintoptTemplateName = "PRINTOPT";
inline constexpr const char* TavrparaTemplateName = "TAVRPARA";
// Thermochemistry and electrochemistry.
inline constexpr const char* TermodynamikkTemplateName = "TERMODYNAMIKK";
inline constexpr const char* TermodataTemplateName = "TERMODATA";
inline constexpr const char* RedoksTemplateName = "REDOKS";
inline constexpr const char* RedoxdatTemplateName = "REDOXDAT";
DialogTemplate TermodynamikkTemplate();
DialogTemplate TermodataTemplate();
DialogTemplate RedoksTemplate();
DialogTemplate RedoxdatTemplate();
extern const WindowSetup TermodynamikkSetup;
extern const WindowSetup TermodataSetup;
extern const WindowSetup RedoksSetup;
extern const WindowSetup RedoxdatSetup;
// The solubility-product and weak acid/base windows with their table editors.
inline constexpr const char* SoluprodTemplateName = "SOLUPROD";
inline constexpr const char* SoludataTemplateName = "SOLUDATA";
inline constexpr const char* SyrebaseTemplateName = "SYREBASE";
inline constexpr const char* SyrekonstTemplateName = "SYREKONST";
DialogTemplate SoluprodTemplate();
DialogTemplate SoludataTemplate();
DialogTemplate SyrebaseTemplate();
DialogTemplate SyrekonstTemplate();
extern const WindowSetup SoluprodSetup;
extern const WindowSetup SoludataSetup;
extern const WindowSetup SyrebaseSetup;
extern const WindowSetup SyrekonstSetup;
// The safety data sheet and its quick editor of phrases.
inline constexpr const char* DatabladTemplateName = "DATABLAD";
inline constexpr const char* PlakatTemplateName = "PLAKAT";
DialogTemplate DatabladTemplate();
DialogTemplate PlakatTemplate();
extern const WindowSetup DatabladSetup;
extern const WindowSetup PlakatSetup;

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
DialogTemplate FuncplotTemplate();
DialogTemplate ConvertTemplate();
DialogTemplate OrdlisteTemplate();
DialogTemplate IndikatorerTemplate();

extern const WindowSetup BalansereSetup;
extern const WindowSetup ConvertSetup;
extern const WindowSetup EgenskaperSetup;
extern const WindowSetup FuncplotSetup;
extern const WindowSetup IndikatorerSetup;
extern const WindowSetup Molclc2Setup;
extern const WindowSetup MolekylkalkulatorSetup;
extern const WindowSetup OmtavrinSetup;
extern const WindowSetup OrdlisteSetup;
extern const WindowSetup PeriodesystemetSetup;
extern const WindowSetup PersysgrafSetup;
extern const WindowSetup PrintoptSetup;
extern const WindowSetup TavrparaSetup;
// The spectroscopy window's table editors.
inline constexpr const char* MassmsdatTemplateName = "MASSMSDAT";
inline constexpr const char* MassnmrTemplateName = "MASSNMR";
inline constexpr const char* MassirdatTemplateName = "MASSIRDAT";
DialogTemplate MassmsdatTemplate();
DialogTemplate MassnmrTemplate();
DialogTemplate MassirdatTemplate();
extern const WindowSetup MassmsdatSetup;
extern const WindowSetup MassnmrSetup;
extern const WindowSetup MassirdatSetup;
// The spectroscopy window.
inline constexpr const char* MassspTemplateName = "MASSSP";
DialogTemplate MassspTemplate();
extern const WindowSetup MassspSetup;
// The launcher form's logo and title; the tools' picture buttons and captions follow them, as the
// shell's tool table lists the tools.
extern const WindowSetup ClientSetup;
MemberSetup LauncherButtonSetup(int id, const char* picture);
MemberSetup LauncherCaptionSetup(int id);

// The chemicals database window and its formula information.
inline constexpr const char* KjemikaliedatabaseTemplateName = "KJEMIKALIEDATABASE";
inline constexpr const char* FormelinfoTemplateName = "FORMELINFO";
DialogTemplate KjemikaliedatabaseTemplate();
DialogTemplate FormelinfoTemplate();
extern const WindowSetup KjemikaliedatabaseSetup;
extern const WindowSetup FormelinfoSetup;
