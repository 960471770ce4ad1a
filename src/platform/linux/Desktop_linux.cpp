#include "platform/Desktop.h"

namespace Desktop {
void addDropShadow(QWidget*) {}
void useVisualStyles() {}
} // namespace Desktop
