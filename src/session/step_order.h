// The order in which Next File and Previous File walk the folder list.
#pragma once

#include <QtGlobal>

namespace session {

// Where Next File and Previous File go from `index` in a list of `count` entries: one entry on,
// wrapping round at both ends. From an index off the list (the opened file is not listed) Next goes
// to the first entry and Previous to the last; an empty list leaves the index where it is.
qsizetype nextIndex(qsizetype index, qsizetype count);
qsizetype previousIndex(qsizetype index, qsizetype count);

} // namespace session
