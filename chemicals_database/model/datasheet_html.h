#pragma once
// Text of the data sheet pages: record text made safe for a page, in the program's character set.
#include <string>
#include <string_view>

// The text with &, <, >, " and ' written as entities, and every line break (CR LF, LF or a lone
// CR) as a line break of the page.
std::string HtmlText(std::string_view text);

// A formula with every count (the digits and '.' after a letter, ')' or ']') set as a subscript
// between "</BIG><SUB>" and "</SUB><BIG>"; the rest escaped as HtmlText does.
std::string FormulaMarkup(std::string_view formula);

// Section `number` (1 to 10) of a safety text: the text after the (number-1)-th '|' up to the
// next '|' or the end; empty when the text has fewer sections.
std::string_view SafetySection(std::string_view safetyText, int number);
