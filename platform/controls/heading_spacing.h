#pragma once
// Headings whose word groups stand three blanks or more apart (or whose every word names a column),
// each over a field or a table column: the blanks between the groups are counted again in the
// heading's own font, so that each group starts or is centred where its field or column is in every
// language and at every display scale.
#include <optional>
#include <vector>

#include "platform/win/window_api.h"

// Refills the blanks before each word group of the heading's text so that group i starts at the
// first blank boundary at or right of groupStarts[i], given in the heading's client pixels.
// Groups beyond the places given keep their blanks.
void SpaceHeadingGroups(HWND heading, const std::vector<int>& groupStarts);

// Refills the blanks before each word group so that the middle of group i comes as near to
// groupCentres[i] as blanks allow; a group without a place follows the one before it after three
// blanks. The heading moves left by up to a blank's width where that brings the middles nearer, and
// widens where the spaced text would not fit on its line.
void CentreHeadingGroups(HWND heading, const std::vector<std::optional<int>>& groupCentres);

// As CentreHeadingGroups for headings whose words stand close: each blank-separated word is a group,
// and words stand one blank apart at least.
void CentreHeadingWords(HWND heading, const std::vector<std::optional<int>>& wordCentres);

// Each word group of the dialog's heading starts where the text of the field of the same place does.
void SpaceHeadingOverFields(HWND dialog, int headingId, const std::vector<int>& fieldIds);

// Each word group of the dialog's heading starts at the given tab stop of the multi-line edit table
// (the edit stops tabs at every eight average characters of its font).
void SpaceHeadingOverTabStops(HWND dialog, int headingId, int tableId, const std::vector<int>& tabStops);
