#include "frame/bounce_motion.h"

#include "frame/random.h"

int32_t TBounceMotion::RandomDirection() { return Random(2) == 0 ? -1 : 1; }
