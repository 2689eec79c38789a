#pragma once
// What the about box links to and shows about the program. A packager sets the addresses here;
// everything else of the about box follows them.

// The targets the link areas open with the desktop's default program.
inline constexpr const char* HomePageAddress = "https://www.example.org/tavrin/";
inline constexpr const char* ContactAddress = "mailto:post@example.org";
inline constexpr const char* MirrorAddress = "https://www.example.net/tavrin/";
inline constexpr const char* SecondContactAddress = "mailto:help@example.org";

// The link lines over which the link areas lie (Windows-1252).
inline constexpr const char* HomePageLineNorwegian = "TAVRIN p\xE5 nettet:  www.example.org/tavrin";
inline constexpr const char* HomePageLineEnglish = "TAVRIN on the web:  www.example.org/tavrin";
inline constexpr const char* ContactLine = "post@example.org";
inline constexpr const char* MirrorLine = "www.example.net/tavrin";
inline constexpr const char* SecondContactLine = "help@example.org";

// The message a double click on the logo shows: a headline, an empty line and the credit line.
inline constexpr const char* CreditsNorwegian =
    "OM TAVRIN\n\nTAVRIN utvikles og vedlikeholdes av Tavrin-prosjektet, for elever og l\xE6rere i kjemi.";
inline constexpr const char* CreditsEnglish =
    "ABOUT TAVRIN\n\nTAVRIN is developed and maintained by the Tavrin project, for students and teachers of "
    "chemistry.";
