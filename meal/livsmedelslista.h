#pragma once
// Which foods of the index a food list shows: by picture group, by the
// agency's group or by a word in the name. Results are index positions, in
// index (name) order.
#include "food/livsmedelsindex.h"

#include <vector>

// Foods whose picture group occurs inside the group text (an empty picture
// group never matches).
std::vector<int> LivsmedelIBildgrupp(const LivsmedelsindexTabell& index, const QString& grupptext);

// Foods of an agency group: equal for keys of at most two characters,
// contained for longer keys.
std::vector<int> LivsmedelISLVGrupp(const LivsmedelsindexTabell& index, const QString& grupptext);

// Names beginning with the word first, then names containing it elsewhere;
// reserve records never.
std::vector<int> SokLivsmedel(const LivsmedelsindexTabell& index, const QString& ord);
