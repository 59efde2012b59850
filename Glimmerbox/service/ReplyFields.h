#pragma once

#include "platform/text/BoundedText.h"

// How much of each kind of reply text the mappings keep. Every text a mapping gives is read through one of
// these, so what the views and notifications get is bounded once, here; each is generous for every real
// reply and only a hostile one meets it.
namespace field {

// Names, abbreviations, ids, colours, records, status and clock texts, venue, broadcast: a few hundred
// characters.
inline constexpr TextBound label{256};
// What happened in a play: a few thousand, a cut one ending with "…".
inline constexpr TextBound paragraph{4096, TextBound::Overlong::cutWithEllipsis};
// A picture's or link's address. A longer one counts as missing: cut, it would point somewhere else.
inline constexpr TextBound address{2048, TextBound::Overlong::refuse};

} // namespace field
