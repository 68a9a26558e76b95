// The next and the previous index in the folder list, wrapping round at both ends.
#include "session/step_order.h"

namespace session {

namespace {

bool listed(qsizetype index, qsizetype count)
{
    return index >= 0 && index < count;
}

} // namespace

qsizetype nextIndex(qsizetype index, qsizetype count)
{
    if (count == 0)
        return index;
    if (!listed(index, count) || index == count - 1)
        return 0;
    return index + 1;
}

qsizetype previousIndex(qsizetype index, qsizetype count)
{
    if (count == 0)
        return index;
    if (!listed(index, count) || index == 0)
        return count - 1;
    return index - 1;
}

} // namespace session
