#include "docking/WindowDocking.h"

namespace docking {

// Placeholder until the docking module lands: windows call these already.
void EnableDocking(QWidget*) {}
void DisableDocking(QWidget*) {}

} // namespace docking
