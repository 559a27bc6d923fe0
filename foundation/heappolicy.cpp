#include "heappolicy.h"

#include <malloc.h>

bool HeapPolicy::apply()
{
    return mallopt(M_MMAP_THRESHOLD, int(OwnMappingBytes)) == 1;
}
