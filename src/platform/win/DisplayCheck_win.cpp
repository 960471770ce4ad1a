// A Windows program always has its desktop: nothing to check.
#include "platform/DisplayCheck.h"

namespace DisplayCheck {
bool canStart(int, char**, QString*) {
    return true;
}
} // namespace DisplayCheck
